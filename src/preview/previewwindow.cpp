#include "preview/previewwindow.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMimeData>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>
#include <memory>

#include "preview/previewcanvas.h"
#include "render/picturefile.h"
#include "util/filenameext.h"
#include "widgets/filedialog.h"

namespace vetra::preview {

PreviewWindow::PreviewWindow(widgets::FileDialog& dialog, QWidget* parent)
    : QMainWindow(parent), dialog_(dialog) {
    setObjectName(QStringLiteral("Preview"));
    setWindowFlag(Qt::Window);
    setWindowTitle(QStringLiteral("Preview"));
    setAcceptDrops(true);
    canvas_ = new PreviewCanvas(this);
    setCentralWidget(canvas_);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("PreviewStatus"));
    zoomText_ = new QLabel(this);
    zoomText_->setMinimumWidth(
        zoomText_->fontMetrics().horizontalAdvance(QStringLiteral("0.125 pixels per cell")) + 8);
    status_->setMinimumWidth(1);  // a long note must not push the zoom out of the bar
    statusBar()->addWidget(status_, 1);
    statusBar()->addPermanentWidget(zoomText_);
    BuildToolBar();
    connect(canvas_, &PreviewCanvas::CellHovered, status_, &QLabel::setText);
    connect(canvas_, &PreviewCanvas::ZoomChanged, this, [this](double zoom) {
        zoomText_->setText(QStringLiteral("%1 pixels per cell").arg(zoom, 0, 'g', 3));
    });
    resize(800, 840);
}

void PreviewWindow::BuildToolBar() {
    QToolBar* bar = addToolBar(QStringLiteral("Zoom"));
    bar->setMovable(false);
    QAction* in = bar->addAction(QStringLiteral("Zoom In"), canvas_, [this] { canvas_->ZoomIn(); });
    in->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    in->setObjectName(QStringLiteral("ZoomIn"));
    QAction* out = bar->addAction(QStringLiteral("Zoom Out"), canvas_, [this] { canvas_->ZoomOut(); });
    out->setShortcut(QKeySequence::ZoomOut);
    out->setObjectName(QStringLiteral("ZoomOut"));
    QAction* fit = bar->addAction(QStringLiteral("Fit"), canvas_, [this] { canvas_->Fit(); });
    fit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    fit->setObjectName(QStringLiteral("Fit"));
    QAction* actual = bar->addAction(QStringLiteral("Game Size"), canvas_, [this] { canvas_->SetZoom(16); });
    actual->setObjectName(QStringLiteral("GameSize"));
}

bool PreviewWindow::Open(const std::string& path) {
    render::LoadedPicture loaded = render::LoadPicture(path);
    if (!loaded.picture) {
        dialog_.MessageBox(loaded.result.notices.back().text);
        return false;
    }
    canvas_->SetPicture(std::make_shared<const render::LevelPicture>(std::move(*loaded.picture)));
    setWindowTitle(QStringLiteral("Preview - ") + QString::fromStdString(filenameext::BareFileName(path)));
    QString notes;
    for (const Notice& notice : loaded.result.notices) notes += QString::fromStdString(notice.text) + ' ';
    status_->setText(notes.trimmed());
    canvas_->Fit();
    return true;
}

QString PreviewWindow::StatusText() const { return status_->text(); }

void PreviewWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls() && event->mimeData()->urls().value(0).isLocalFile())
        event->acceptProposedAction();
}

void PreviewWindow::dropEvent(QDropEvent* event) {
    QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile()) return;
    event->acceptProposedAction();
    Open(urls.first().toLocalFile().toStdString());
}

}  // namespace vetra::preview
