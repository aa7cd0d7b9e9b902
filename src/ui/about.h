#pragma once

#include <QDialog>
#include <QPixmap>

namespace vetra::ui {

// The about box: a borderless 400 x 300 picture that closes at the first click anywhere on it.
class About : public QDialog {
    Q_OBJECT
public:
    explicit About(const QString& versionText, QWidget* parent = nullptr);

    // The picture, drawn here rather than loaded, so the box needs no file.
    static QPixmap Picture(const QString& versionText);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace vetra::ui
