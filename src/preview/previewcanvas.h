#pragma once

#include <QAbstractScrollArea>
#include <QPoint>
#include <QString>
#include <memory>
#include <optional>

#include "render/levelpicture.h"

namespace vetra::preview {

// A level's picture at any zoom, with scroll bars and dragging to pan. Only the cells in view are drawn, from
// the renderer, at the cell size nearest above the zoom, so that a whole level at 16 pixels per cell is never
// built as one image.
class PreviewCanvas : public QAbstractScrollArea {
    Q_OBJECT
public:
    static constexpr double kLeastZoom = 0.125;
    static constexpr double kMostZoom = 16;

    explicit PreviewCanvas(QWidget* parent = nullptr);

    void SetPicture(std::shared_ptr<const render::LevelPicture> picture);
    // Pixels per map cell on screen.
    double Zoom() const { return zoom_; }
    // Keeps the cell at `anchor` (a viewport point) under it; the middle of the view by default.
    void SetZoom(double zoom, std::optional<QPoint> anchor = std::nullopt);
    void ZoomIn(std::optional<QPoint> anchor = std::nullopt);
    void ZoomOut(std::optional<QPoint> anchor = std::nullopt);
    // The whole map in view.
    void Fit();
    // The cell under a viewport point, or nothing off the map.
    std::optional<QPoint> CellAt(QPoint viewportPoint) const;
    // "x, y: tile T (Name)", with the object the cell belongs to; "" off the map.
    QString DescribeCellAt(QPoint viewportPoint) const;

signals:
    void CellHovered(const QString& text);
    void ZoomChanged(double zoom);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void UpdateScrollBars();
    QPointF Origin() const;  // the map's top-left corner in viewport pixels

    std::shared_ptr<const render::LevelPicture> picture_;
    double zoom_ = 1;
    std::optional<QPoint> dragFrom_;
};

}  // namespace vetra::preview
