#pragma once

#include <QMainWindow>
#include <string>

class QLabel;

namespace vetra::widgets {
class FileDialog;
}

namespace vetra::preview {

class PreviewCanvas;

// A window that shows a level or map bitmap with its own tileset: zoom buttons, Ctrl + wheel and Ctrl +
// plus/minus, "Fit", dragging to pan, and a status bar that names the cell under the mouse. A file dropped
// onto it opens in it.
class PreviewWindow : public QMainWindow {
    Q_OBJECT
public:
    PreviewWindow(widgets::FileDialog& dialog, QWidget* parent = nullptr);

    // Shows the file at fit; false, after a message box that says why, when it cannot be drawn.
    bool Open(const std::string& path);
    PreviewCanvas& Canvas() const { return *canvas_; }
    QString StatusText() const;

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildToolBar();

    widgets::FileDialog& dialog_;
    PreviewCanvas* canvas_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* zoomText_ = nullptr;
};

}  // namespace vetra::preview
