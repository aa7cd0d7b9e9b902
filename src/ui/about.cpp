#include "ui/about.h"

#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

namespace vetra::ui {
namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 300;
constexpr int kTile = 16;

// A strip of wall tiles along the bottom edge, the way a map's border looks in the game.
void DrawWalls(QPainter& painter) {
    const QColor wall(0x50, 0x60, 0x80);
    const QColor edge(0x90, 0xa0, 0xc0);
    for (int x = 0; x < kWidth; x += kTile) {
        for (int row = 1; row <= 2; ++row) {
            QRect tile(x, kHeight - row * kTile, kTile - 1, kTile - 1);
            painter.fillRect(tile, wall);
            painter.setPen(edge);
            painter.drawRect(tile.adjusted(0, 0, -1, -1));
        }
    }
}

void DrawShip(QPainter& painter) {
    QPolygon ship;
    ship << QPoint(300, 150) << QPoint(340, 170) << QPoint(300, 190) << QPoint(310, 170);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xe0, 0xe0, 0xe0));
    painter.drawPolygon(ship);
    painter.setBrush(QColor(0xff, 0x80, 0x20));
    painter.drawEllipse(QPoint(296, 170), 6, 4);
}

}  // namespace

QPixmap About::Picture(const QString& versionText) {
    QPixmap picture(kWidth, kHeight);
    QPainter painter(&picture);
    QLinearGradient sky(0, 0, 0, kHeight);
    sky.setColorAt(0, QColor(0x05, 0x08, 0x20));
    sky.setColorAt(1, QColor(0x20, 0x10, 0x40));
    painter.fillRect(picture.rect(), sky);
    painter.setPen(QColor(0xc0, 0xc0, 0xff));
    for (int i = 0; i < 60; ++i) painter.drawPoint((i * 97) % kWidth, (i * 53) % (kHeight - 40));
    DrawWalls(painter);
    DrawShip(painter);
    painter.setPen(QColor(0xff, 0x00, 0xff));
    QFont title = painter.font();
    title.setPointSize(40);
    title.setBold(true);
    painter.setFont(title);
    painter.drawText(QRect(0, 50, kWidth, 70), Qt::AlignCenter, QStringLiteral("VETRA"));
    QFont small = painter.font();
    small.setPointSize(11);
    small.setBold(false);
    painter.setFont(small);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 120, kWidth, 24), Qt::AlignCenter, QStringLiteral("Maps, tilesets and settings"));
    painter.drawText(QRect(0, 144, kWidth, 24), Qt::AlignCenter, QStringLiteral("for SubSpace"));
    painter.drawText(QRect(0, 220, kWidth, 24), Qt::AlignCenter, versionText);
    painter.drawText(QRect(0, 240, kWidth, 20), Qt::AlignCenter, QStringLiteral("click to close"));
    return picture;
}

About::About(const QString& versionText, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("About"));
    setFixedSize(kWidth, kHeight);
    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("AboutImage"));
    image->setGeometry(0, 0, kWidth, kHeight);
    image->setPixmap(Picture(versionText));
}

void About::mousePressEvent(QMouseEvent* event) {
    event->accept();
    accept();
}

}  // namespace vetra::ui
