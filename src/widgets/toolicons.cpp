#include "widgets/toolicons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace vetra::widgets::ToolIcons {
namespace {

QIcon Drawn(const std::function<void(QPainter&)>& draw) {
    QIcon icon;
    for (int scale : {1, 2, 3}) {
        QPixmap pixmap(16 * scale, 16 * scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale, scale);
        draw(painter);
        painter.end();
        pixmap.setDevicePixelRatio(scale);
        icon.addPixmap(pixmap);
    }
    return icon;
}

void Arrow(QPainter& painter, QPointF from, QPointF to, QColor colour) {
    painter.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(from, to);
    QLineF shaft(to, from);
    QLineF left = shaft, right = shaft;
    left.setLength(4);
    right.setLength(4);
    left.setAngle(shaft.angle() + 35);
    right.setAngle(shaft.angle() - 35);
    painter.drawLine(left);
    painter.drawLine(right);
}

}  // namespace

QIcon Swap() {
    return Drawn([](QPainter& p) {
        Arrow(p, {3, 5}, {13, 5}, QColor(30, 90, 200));
        Arrow(p, {13, 11}, {3, 11}, QColor(200, 70, 30));
    });
}

QIcon Recolor() {
    return Drawn([](QPainter& p) {
        const QColor colours[] = {QColor(220, 40, 40), QColor(40, 170, 60), QColor(40, 80, 220),
                                  QColor(240, 200, 30)};
        for (int i = 0; i < 4; ++i)
            p.fillRect(QRectF(2 + 6.5 * (i % 2), 2 + 6.5 * (i / 2), 5.5, 5.5), colours[i]);
    });
}

QIcon Drop() {
    return Drawn([](QPainter& p) {
        Arrow(p, {8, 1.5}, {8, 11}, QColor(30, 120, 60));
        p.fillRect(QRectF(2, 13, 12, 2), QColor(60, 60, 60));
    });
}

QIcon Hole() {
    return Drawn([](QPainter& p) {
        p.setPen(QPen(QColor(120, 120, 120), 1));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(1.5, 1.5, 13, 13));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(20, 20, 20));
        p.drawEllipse(QRectF(4, 4, 8, 8));
    });
}

}  // namespace vetra::widgets::ToolIcons
