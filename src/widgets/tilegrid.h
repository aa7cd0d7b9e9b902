#pragma once

#include <QImage>
#include <QWidget>

#include "widgets/tileselection.h"

namespace vetra::widgets {

// A picture of tiles shown one image pixel per logical pixel, so that 16-pixel tiles stay crisp and mouse
// positions map exactly to tiles at any device-pixel ratio. Reports presses, moves and releases as image
// pixel positions and draws a selection outline through the centres of two corner tiles.
class TileGrid : public QWidget {
    Q_OBJECT
public:
    TileGrid(QSize size, QWidget* parent);

    // A null image empties the grid.
    void SetImage(const QImage& image);
    const QImage& Image() const { return image_; }

    // The outline of the tiles between columns and rows (c0, r0) and (c1, r1), in either order.
    void DrawSelection(int c0, int r0, int c1, int r1);
    void DrawSelection(const TileSelection& selection) {
        DrawSelection(selection.x0, selection.y0, selection.x1, selection.y1);
    }
    void HideSelection();
    bool SelectionVisible() const { return outlined_; }
    QRect SelectionTiles() const { return QRect(QPoint(c0_, r0_), QPoint(c1_, r1_)).normalized(); }

    // The tile column or row of a pixel position.
    static int TileOf(int pixel) { return pixel < 0 ? -1 - (-1 - pixel) / 16 : pixel / 16; }

signals:
    void Pressed(QPoint pixel, Qt::MouseButton button);
    void Moved(QPoint pixel);
    void Released(QPoint pixel, Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage image_;
    bool outlined_ = false;
    int c0_ = 0, r0_ = 0, c1_ = 0, r1_ = 0;
};

}  // namespace vetra::widgets
