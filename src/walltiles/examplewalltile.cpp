#include "walltiles/examplewalltile.h"

#include <QPainter>

#include "walltiles/model/walltiledefinition.h"

namespace vetra::walltiles {
namespace {

constexpr int kNorth = 1, kWest = 2, kEast = 4, kSouth = 8;
const QColor kFloor(24, 28, 40);
const QColor kWall(90, 150, 210);
const QColor kEdge(200, 230, 255);

// A wall piece in a 16 x 16 tile: a block in the middle with an arm towards each joined neighbour.
void DrawJoined(QPainter& painter, QRectF tile, int mask) {
    QRectF middle(tile.left() + 4, tile.top() + 4, 8, 8);
    QRectF piece = middle;
    if (mask & kNorth) piece.setTop(tile.top());
    if (mask & kSouth) piece.setBottom(tile.bottom());
    painter.fillRect(piece, kWall);
    piece = middle;
    if (mask & kWest) piece.setLeft(tile.left());
    if (mask & kEast) piece.setRight(tile.right());
    painter.fillRect(piece, kWall);
    painter.setPen(QPen(kEdge, 1));
    painter.drawRect(middle.adjusted(0.5, 0.5, -0.5, -0.5));
}

// A diagonal run: a band from one corner of the tile to the opposite one.
void DrawDiagonal(QPainter& painter, QRectF tile, bool rising) {
    painter.setPen(QPen(kWall, 5, Qt::SolidLine, Qt::FlatCap));
    if (rising)
        painter.drawLine(tile.bottomLeft(), tile.topRight());
    else
        painter.drawLine(tile.topLeft(), tile.bottomRight());
    painter.setPen(QPen(kEdge, 1));
    if (rising)
        painter.drawLine(tile.bottomLeft(), tile.topRight());
    else
        painter.drawLine(tile.topLeft(), tile.bottomRight());
}

void Draw(QPainter& painter) {
    painter.fillRect(QRectF(0, 0, 64, 80), kFloor);
    for (int slot = 0; slot < WallTileDefinition::kSlots; ++slot) {
        QRectF tile(16 * (slot % 4), 16 * (slot / 4), 16, 16);
        int entry = WallTileDefinition::kConverterEntry[slot];
        if (entry < WallTileDefinition::kConnectionSlots)
            DrawJoined(painter, tile, entry);
        else
            DrawDiagonal(painter, tile, slot < 18);
    }
}

}  // namespace

QPixmap ExampleWallTile() {
    constexpr int kScale = 3;
    QPixmap pixmap(64 * kScale, 80 * kScale);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(kScale, kScale);
    Draw(painter);
    painter.end();
    pixmap.setDevicePixelRatio(kScale);
    return pixmap;
}

}  // namespace vetra::walltiles
