#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <string>

#include "widgets/tileselection.h"
#include "widgets/tilesetbytes.h"

class QLabel;
class QPushButton;
class QStatusBar;
class QToolButton;

namespace vetra::widgets {
class FileDialog;
class TileGrid;
}  // namespace vetra::widgets

namespace vetra::tileset {

// The tileset editor "Custom Tileset Creation": composes a custom tileset out of tiles dragged from a source
// tileset or from itself, and saves it as a bitmap. Every failure is reported in a message box of the common
// dialog; nothing is thrown.
class TilesetEditor : public QDialog {
    Q_OBJECT
public:
    // The windows the editor opens.
    struct Hooks {
        // The tileset picker, shown modally; the chosen file, or nothing when it was cancelled.
        std::function<std::optional<std::string>()> pickTileset;
        // The comments editor, shown modally for a saved file in edit mode.
        std::function<void(const std::string& file)> editComments;
    };

    TilesetEditor(widgets::FileDialog& dialogs, Hooks hooks, QWidget* parent = nullptr);

    // The source file to load when the window is shown.
    void SetFileName(const std::string& path) { fileName_ = path; }

    // What the window holds, for its owner and tests.
    const widgets::TilesetBytes& Custom() const { return custom_; }
    const widgets::TilesetBytes& Source() const { return source_; }
    bool Modified() const { return modified_; }

protected:
    void showEvent(QShowEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

public slots:
    // The close box and Escape act as "Finished".
    void reject() override;

private:
    void BuildControls();
    QPushButton* Command(const QString& caption, const QString& hint, int left);
    QToolButton* Tool(const QIcon& icon, const QString& name, const QString& hint, int left);
    void Activate();
    bool LoadSource();
    void MakePicture();
    void MakeBottomPicture();
    void WriteCustomTileset(const std::string& path);
    void SelfCopy();
    void CopyTiles();
    void ShowTileName(QPoint pixel);
    void ShowVersion();

    void MouseDownOnSource(QPoint pixel, Qt::MouseButton button);
    void MouseMoveOverSource(QPoint pixel);
    void MouseUpOnSource(QPoint pixel, Qt::MouseButton button);
    void MouseDownOnCustom(QPoint pixel, Qt::MouseButton button);
    void MouseMoveOverCustom(QPoint pixel);
    void MouseUpOnCustom(QPoint pixel, Qt::MouseButton button);
    void SwapCustomAndSource();
    void UseCustomAsSource();
    void RecolorFromSource();
    void ClearSelection();
    void PickNewSource();
    void SaveCustomTileset();
    void ClearAll();
    void Finish();

    widgets::FileDialog& dialogs_;
    Hooks hooks_;
    std::string fileName_;
    bool modified_ = false;
    widgets::TilesetBytes custom_, source_, spare_;
    widgets::TileSelection picked_;
    bool fromCustom_ = false;
    widgets::TileSelection target_{0, 0, 0, 0};
    bool draggingSource_ = false, draggingCustom_ = false;

    widgets::TileGrid* customImage_ = nullptr;
    widgets::TileGrid* sourceImage_ = nullptr;
    QPushButton* saveCustom_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
};

}  // namespace vetra::tileset
