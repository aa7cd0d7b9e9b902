#include "preview/previewcanvas.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "formats/tiles.h"
#include "render/rowpainter.h"

namespace vetra::preview {
namespace {

// The zoom steps of the buttons and keys: halving and doubling from 1 pixel per cell.
double NextZoom(double zoom, bool in) {
    double step = std::log2(zoom);
    double target = in ? std::floor(step + 1e-9) + 1 : std::ceil(step - 1e-9) - 1;
    return std::clamp(std::exp2(target), PreviewCanvas::kLeastZoom, PreviewCanvas::kMostZoom);
}

int DrawingCellSize(double zoom) {
    for (int size : render::kCellSizes)
        if (size >= zoom - 1e-9) return size;
    return 16;
}

// "tile 1 (Normal Tile)"; the names of empty and invalid tiles come in brackets of their own.
QString TileText(int tile) {
    QString name = QString::fromStdString(tiles::TileTypeName(tile));
    if (!name.startsWith('(')) name = '(' + name + ')';
    return QStringLiteral("tile %1 %2").arg(tile).arg(name);
}

}  // namespace

PreviewCanvas::PreviewCanvas(QWidget* parent) : QAbstractScrollArea(parent) {
    setObjectName(QStringLiteral("PreviewCanvas"));
    viewport()->setMouseTracking(true);
    viewport()->setCursor(Qt::OpenHandCursor);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void PreviewCanvas::SetPicture(std::shared_ptr<const render::LevelPicture> picture) {
    picture_ = std::move(picture);
    UpdateScrollBars();
    viewport()->update();
}

void PreviewCanvas::SetZoom(double zoom, std::optional<QPoint> anchor) {
    zoom = std::clamp(zoom, kLeastZoom, kMostZoom);
    QPoint at = anchor.value_or(viewport()->rect().center());
    QPointF mapPoint = (QPointF(at) - Origin()) / zoom_;
    zoom_ = zoom;
    UpdateScrollBars();
    QPointF wanted = mapPoint * zoom_ - QPointF(at);
    horizontalScrollBar()->setValue(static_cast<int>(std::lround(wanted.x())));
    verticalScrollBar()->setValue(static_cast<int>(std::lround(wanted.y())));
    viewport()->update();
    emit ZoomChanged(zoom_);
}

void PreviewCanvas::ZoomIn(std::optional<QPoint> anchor) { SetZoom(NextZoom(zoom_, true), anchor); }
void PreviewCanvas::ZoomOut(std::optional<QPoint> anchor) { SetZoom(NextZoom(zoom_, false), anchor); }

void PreviewCanvas::Fit() {
    QSize view = maximumViewportSize();
    double side = std::max(1, std::min(view.width(), view.height()));
    SetZoom(side / render::kMapCells);
}

QPointF PreviewCanvas::Origin() const {
    double extent = render::kMapCells * zoom_;
    // A map smaller than the view stands in its middle.
    double left =
        extent < viewport()->width() ? (viewport()->width() - extent) / 2 : -horizontalScrollBar()->value();
    double top =
        extent < viewport()->height() ? (viewport()->height() - extent) / 2 : -verticalScrollBar()->value();
    return {left, top};
}

void PreviewCanvas::UpdateScrollBars() {
    int extent = static_cast<int>(std::ceil(render::kMapCells * zoom_));
    QSize view = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, extent - view.width()));
    verticalScrollBar()->setRange(0, std::max(0, extent - view.height()));
    horizontalScrollBar()->setPageStep(view.width());
    verticalScrollBar()->setPageStep(view.height());
    horizontalScrollBar()->setSingleStep(std::max(1, static_cast<int>(zoom_ * 4)));
    verticalScrollBar()->setSingleStep(std::max(1, static_cast<int>(zoom_ * 4)));
}

std::optional<QPoint> PreviewCanvas::CellAt(QPoint viewportPoint) const {
    QPointF map = (QPointF(viewportPoint) - Origin()) / zoom_;
    int x = static_cast<int>(std::floor(map.x())), y = static_cast<int>(std::floor(map.y()));
    if (x < 0 || y < 0 || x >= render::kMapCells || y >= render::kMapCells) return std::nullopt;
    return QPoint(x, y);
}

QString PreviewCanvas::DescribeCellAt(QPoint viewportPoint) const {
    std::optional<QPoint> cell = CellAt(viewportPoint);
    if (!cell || !picture_) return {};
    const render::Cell& at = picture_->At(cell->x(), cell->y());
    QString text = QStringLiteral("%1, %2: ").arg(cell->x()).arg(cell->y());
    if (at.dx == 0 && at.dy == 0) return text + TileText(at.tile);
    return text + QStringLiteral("part of ") + TileText(at.tile) +
           QStringLiteral(" at %1, %2").arg(cell->x() - at.dx).arg(cell->y() - at.dy);
}

void PreviewCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), palette().color(QPalette::Dark));
    if (!picture_) return;
    QPointF origin = Origin();
    // The cells in view, drawn at the renderer's cell size and scaled to the zoom.
    int left = std::max(0, static_cast<int>(std::floor(-origin.x() / zoom_)));
    int top = std::max(0, static_cast<int>(std::floor(-origin.y() / zoom_)));
    int right =
        std::min(render::kMapCells, static_cast<int>(std::ceil((viewport()->width() - origin.x()) / zoom_)));
    int bottom =
        std::min(render::kMapCells, static_cast<int>(std::ceil((viewport()->height() - origin.y()) / zoom_)));
    if (right <= left || bottom <= top) return;
    render::RenderView view{{left, top, right - left, bottom - top}, DrawingCellSize(zoom_)};
    QImage image(view.Width(), view.Height(), QImage::Format_RGB888);
    for (int row = 0; row < view.Height(); ++row)
        render::PaintRow(*picture_, view, row,
                         std::span(image.scanLine(row), static_cast<std::size_t>(view.Width()) * 3));
    QRectF target(origin.x() + left * zoom_, origin.y() + top * zoom_, view.cells.width * zoom_,
                  view.cells.height * zoom_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, zoom_ < 1);
    painter.drawImage(target, image);
}

void PreviewCanvas::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void PreviewCanvas::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) return QAbstractScrollArea::wheelEvent(event);
    QPoint at = event->position().toPoint();
    if (event->angleDelta().y() > 0)
        ZoomIn(at);
    else if (event->angleDelta().y() < 0)
        ZoomOut(at);
    event->accept();
}

void PreviewCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    dragFrom_ = event->position().toPoint();
    viewport()->setCursor(Qt::ClosedHandCursor);
}

void PreviewCanvas::mouseMoveEvent(QMouseEvent* event) {
    QPoint at = event->position().toPoint();
    if (dragFrom_) {
        QPoint moved = at - *dragFrom_;
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() - moved.x());
        verticalScrollBar()->setValue(verticalScrollBar()->value() - moved.y());
        dragFrom_ = at;
    }
    emit CellHovered(DescribeCellAt(at));
}

void PreviewCanvas::mouseReleaseEvent(QMouseEvent*) {
    dragFrom_.reset();
    viewport()->setCursor(Qt::OpenHandCursor);
}

}  // namespace vetra::preview
