#include "widgets/tilegrid.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace vetra::widgets {
namespace {

QPoint PixelOf(const QMouseEvent* event) {
    QPointF position = event->position();
    return QPoint(static_cast<int>(std::floor(position.x())), static_cast<int>(std::floor(position.y())));
}

}  // namespace

TileGrid::TileGrid(QSize size, QWidget* parent) : QWidget(parent) {
    setFixedSize(size);
    setMouseTracking(true);
}

void TileGrid::SetImage(const QImage& image) {
    image_ = image;
    update();
}

void TileGrid::DrawSelection(int c0, int r0, int c1, int r1) {
    outlined_ = true;
    c0_ = c0;
    r0_ = r0;
    c1_ = c1;
    r1_ = r1;
    update();
}

void TileGrid::HideSelection() {
    outlined_ = false;
    update();
}

void TileGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (!image_.isNull()) painter.drawImage(QRect(QPoint(0, 0), image_.size()), image_);
    if (!outlined_) return;
    painter.setPen(QPen(QColor(255, 255, 160), 1));
    QRect tiles = SelectionTiles();
    painter.drawRect(QRect(QPoint(16 * tiles.left() + 8, 16 * tiles.top() + 8),
                           QPoint(16 * tiles.right() + 8, 16 * tiles.bottom() + 8)));
}

void TileGrid::mousePressEvent(QMouseEvent* event) { emit Pressed(PixelOf(event), event->button()); }

void TileGrid::mouseMoveEvent(QMouseEvent* event) { emit Moved(PixelOf(event)); }

void TileGrid::mouseReleaseEvent(QMouseEvent* event) { emit Released(PixelOf(event), event->button()); }

}  // namespace vetra::widgets
