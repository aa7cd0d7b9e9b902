#include "tileset/tileseteditor.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>
#include <algorithm>
#include <utility>

#include "formats/bitmapheader.h"
#include "formats/level.h"
#include "formats/tiles.h"
#include "widgets/indexedimage.h"
#include "widgets/statushints.h"
#include "widgets/tilegrid.h"
#include "widgets/toolicons.h"
#include "widgets/twips.h"
#include "widgets/filedialog.h"

namespace vetra::tileset {
namespace {

constexpr int kColumns = 19;
constexpr int kRows = 10;
const QString kVersionText = QStringLiteral(VETRA_VERSION_TEXT);

// Copies the 16 x 16 pixels of one tile between two tilesets' pixel bytes.
void CopyTile(Bytes& to, int toColumn, int toRow, const Bytes& from, int fromColumn, int fromRow) {
    for (int d = 0; d < 16; ++d) {
        auto target = to.begin() + tiles::TilePixelIndex(toColumn, toRow, 0, -d);
        auto source = from.begin() + tiles::TilePixelIndex(fromColumn, fromRow, 0, -d);
        std::copy(source, source + 16, target);
    }
}

void BlankTile(Bytes& pixels, int column, int row) {
    for (int d = 0; d < 16; ++d) {
        auto target = pixels.begin() + tiles::TilePixelIndex(column, row, 0, -d);
        std::fill(target, target + 16, 0);
    }
}

QImage Picture(const widgets::TilesetBytes& tileset) {
    if (tileset.Empty()) return {};
    return widgets::IndexedImage(std::span(tileset.head).subspan(54, kPaletteSize), tileset.pixels, 304, 160);
}

QLabel* Caption(const QString& text, QRect geometry, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    return label;
}

}  // namespace

TilesetEditor::TilesetEditor(widgets::FileDialog& dialogs, Hooks hooks, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), hooks_(std::move(hooks)) {
    setWindowTitle(QStringLiteral("Custom Tileset Creation"));
    setMouseTracking(true);
    BuildControls();
}

// The window is the width of one tileset: custom tileset on top, source below, the icon buttons in the strip
// between them beside the source's label, the command buttons along the bottom.
void TilesetEditor::BuildControls() {
    statusBar_ = new QStatusBar(this);
    statusBar_->setSizeGripEnabled(false);
    auto* hints = new widgets::StatusHints(statusBar_, this);
    hints->Add(statusBar_, kVersionText);

    Caption(QStringLiteral("Custom Tileset"), widgets::TwipsRect(0, 0, 2400, 270), this);
    Caption(QStringLiteral("No tileset loaded."), QRect(0, widgets::Twips(270), 304, 160), this)
        ->setAlignment(Qt::AlignCenter);
    customImage_ = new widgets::TileGrid(QSize(304, 160), this);
    customImage_->setObjectName(QStringLiteral("CustomTileset"));
    customImage_->move(0, widgets::Twips(270));
    connect(customImage_, &widgets::TileGrid::Pressed, this, &TilesetEditor::MouseDownOnCustom);
    connect(customImage_, &widgets::TileGrid::Moved, this, &TilesetEditor::MouseMoveOverCustom);
    connect(customImage_, &widgets::TileGrid::Released, this, &TilesetEditor::MouseUpOnCustom);

    Caption(QStringLiteral("Source Tileset"), widgets::TwipsRect(0, 2670, 2400, 300), this);
    Caption(QStringLiteral("No tileset loaded."), QRect(0, widgets::Twips(2970), 304, 160), this)
        ->setAlignment(Qt::AlignCenter);
    sourceImage_ = new widgets::TileGrid(QSize(304, 160), this);
    sourceImage_->setObjectName(QStringLiteral("SourceTileset"));
    sourceImage_->move(0, widgets::Twips(2970));
    connect(sourceImage_, &widgets::TileGrid::Pressed, this, &TilesetEditor::MouseDownOnSource);
    connect(sourceImage_, &widgets::TileGrid::Moved, this, &TilesetEditor::MouseMoveOverSource);
    connect(sourceImage_, &widgets::TileGrid::Released, this, &TilesetEditor::MouseUpOnSource);

    for (widgets::TileGrid* grid : {customImage_, sourceImage_}) {
        auto* separator = new QFrame(this);
        separator->setFrameShape(QFrame::HLine);
        separator->setGeometry(0, grid->y() - 1, 304, 1);
        separator = new QFrame(this);
        separator->setFrameShape(QFrame::HLine);
        separator->setGeometry(0, grid->y() + 160, 304, 1);
    }

    connect(Tool(widgets::ToolIcons::Swap(), QStringLiteral("Swap"),
                 QStringLiteral("Swap Custom And Source Tilesets"), 3240),
            &QToolButton::clicked, this, &TilesetEditor::SwapCustomAndSource);
    connect(Tool(widgets::ToolIcons::Recolor(), QStringLiteral("Recolor"),
                 QStringLiteral("Use Current Source Palette."), 3570),
            &QToolButton::clicked, this, &TilesetEditor::RecolorFromSource);
    connect(Tool(widgets::ToolIcons::Drop(), QStringLiteral("Drop"),
                 QStringLiteral("Copy Custom Tileset To Source"), 3900),
            &QToolButton::clicked, this, &TilesetEditor::UseCustomAsSource);
    connect(Tool(widgets::ToolIcons::Hole(), QStringLiteral("Hole"),
                 QString::fromStdString("0 - " + tiles::TileTypeName(0)), 4230),
            &QToolButton::clicked, this, &TilesetEditor::ClearSelection);

    connect(Command(QStringLiteral("New Source"), QStringLiteral("Load New Tileset."), 0),
            &QPushButton::clicked, this, &TilesetEditor::PickNewSource);
    saveCustom_ = Command(QStringLiteral("Save Custom"), QStringLiteral("Save Custom Tileset."), 1140);
    connect(saveCustom_, &QPushButton::clicked, this, &TilesetEditor::SaveCustomTileset);
    connect(Command(QStringLiteral("Clear Tilesets"), QStringLiteral("Clear Tilesets."), 2280),
            &QPushButton::clicked, this, &TilesetEditor::ClearAll);
    connect(Command(QStringLiteral("Finished"), QStringLiteral("Finished editing tilesets."), 3420),
            &QPushButton::clicked, this, &TilesetEditor::Finish);

    int height = widgets::Twips(5400 + 330) + 2 + statusBar_->sizeHint().height();
    setFixedSize(widgets::Twips(4560), height);
    statusBar_->setGeometry(0, height - statusBar_->sizeHint().height(), width(),
                            statusBar_->sizeHint().height());
    ShowVersion();
}

QPushButton* TilesetEditor::Command(const QString& caption, const QString& hint, int left) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(caption);
    button->setGeometry(widgets::TwipsRect(left, 5400, 1140, 330));
    button->setAutoDefault(false);
    button->setToolTip(hint);
    findChild<widgets::StatusHints*>()->Add(button, hint);
    return button;
}

QToolButton* TilesetEditor::Tool(const QIcon& icon, const QString& name, const QString& hint, int left) {
    auto* button = new QToolButton(this);
    button->setObjectName(name);
    button->setIcon(icon);
    button->setGeometry(widgets::TwipsRect(left, 2670, 300, 300));
    button->setToolTip(hint);
    findChild<widgets::StatusHints*>()->Add(button, hint);
    return button;
}

void TilesetEditor::ShowVersion() { statusBar_->showMessage(kVersionText); }

void TilesetEditor::mouseMoveEvent(QMouseEvent* event) {
    // Moves that a control ignores come here too; only the bare window shows the version.
    if (childAt(event->position().toPoint()) == nullptr) ShowVersion();
    QDialog::mouseMoveEvent(event);
}

void TilesetEditor::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Activate();
}

void TilesetEditor::Activate() {
    if (!fileName_.empty() && FileExists(fileName_)) {
        if (LoadSource()) MakePicture();
    } else {
        ClearAll();
    }
}

bool TilesetEditor::LoadSource() {
    // Read as 8-bit pixels, a tileset of another layout would come out as noise and be saved so.
    if (!widgets::HoldsRaw8BitPixels(fileName_)) {
        dialogs_.MessageBox(fileName_ +
                            " is not an 8-bit uncompressed tileset; the tileset editor cannot edit it.");
        return false;
    }
    widgets::TilesetBytes loaded;
    try {
        loaded = widgets::ReadTilesetBytes(fileName_);
    } catch (const FileError& error) {
        dialogs_.MessageBox("Could not load the tileset " + fileName_ + ": it " + error.Reason() + ".");
        return false;
    }
    if (loaded.head[22] / 16 < kRows) widgets::DescribeFullTileset(loaded.head);
    source_ = std::move(loaded);
    spare_.head.resize(widgets::kTilesetHeadSize);
    spare_.pixels.resize(kTilesetPixelSize);
    MakeBottomPicture();
    if (!custom_.Empty() && custom_.head[0] == 'B') return true;
    custom_ = source_;
    saveCustom_->setEnabled(true);
    return true;
}

void TilesetEditor::MakePicture() { customImage_->SetImage(Picture(custom_)); }

void TilesetEditor::MakeBottomPicture() { sourceImage_->SetImage(Picture(source_)); }

// The custom tileset replaces the beginning of the file; bytes behind it, such as comments, stay. The size
// field never claims more than the file holds, nor less than the bitmap itself.
void TilesetEditor::WriteCustomTileset(const std::string& path) {
    try {
        Bytes bytes = FileExists(path) ? ReadWholeFile(path) : Bytes();
        Bytes bitmap = custom_.Joined();
        if (bytes.size() < bitmap.size()) bytes.resize(bitmap.size());
        std::copy(bitmap.begin(), bitmap.end(), bytes.begin());
        auto declared = static_cast<std::size_t>(ReadU32(&bytes[2]));
        WriteU32(&bytes[2], static_cast<std::uint32_t>(std::clamp(declared, bitmap.size(), bytes.size())));
        WriteFileSafely(path, bytes);
    } catch (const FileError& error) {
        dialogs_.MessageBox("Could not save the tileset " + path + ": " + error.Reason() + ".");
    } catch (const std::exception& error) {
        dialogs_.MessageBox("Could not save the tileset " + path + ": " + error.what() + ".");
    }
}

void TilesetEditor::ShowTileName(QPoint pixel) {
    int n = widgets::TileGrid::TileOf(pixel.y()) * kColumns + widgets::TileGrid::TileOf(pixel.x()) + 1;
    statusBar_->showMessage(QString::fromStdString(std::to_string(n) + " - " + tiles::TileTypeName(n)));
}

void TilesetEditor::MouseDownOnSource(QPoint pixel, Qt::MouseButton) {
    if (source_.Empty()) return;
    draggingSource_ = true;
    fromCustom_ = false;
    picked_.Start(widgets::TileGrid::TileOf(pixel.x()), widgets::TileGrid::TileOf(pixel.y()));
    sourceImage_->DrawSelection(picked_);
}

void TilesetEditor::MouseMoveOverSource(QPoint pixel) {
    ShowTileName(pixel);
    if (!draggingSource_) return;
    picked_.ExtendTo(widgets::TileGrid::TileOf(pixel.x()), widgets::TileGrid::TileOf(pixel.y()), kColumns,
                     kRows);
    sourceImage_->DrawSelection(picked_);
}

void TilesetEditor::MouseUpOnSource(QPoint pixel, Qt::MouseButton) {
    if (!draggingSource_) return;
    picked_.ExtendTo(widgets::TileGrid::TileOf(pixel.x()), widgets::TileGrid::TileOf(pixel.y()), kColumns,
                     kRows);
    sourceImage_->HideSelection();
    draggingSource_ = false;
}

void TilesetEditor::MouseDownOnCustom(QPoint pixel, Qt::MouseButton) {
    if (custom_.Empty()) return;
    draggingCustom_ = true;
    target_.Start(widgets::TileGrid::TileOf(pixel.x()), widgets::TileGrid::TileOf(pixel.y()));
    customImage_->DrawSelection(target_);
}

void TilesetEditor::MouseMoveOverCustom(QPoint pixel) {
    ShowTileName(pixel);
    if (!draggingCustom_) return;
    target_.ExtendTo(widgets::TileGrid::TileOf(pixel.x()), widgets::TileGrid::TileOf(pixel.y()), kColumns,
                     kRows);
    customImage_->DrawSelection(target_);
}

void TilesetEditor::MouseUpOnCustom(QPoint pixel, Qt::MouseButton button) {
    if (!draggingCustom_) return;
    target_.ExtendTo(widgets::TileGrid::TileOf(pixel.x()), widgets::TileGrid::TileOf(pixel.y()), kColumns,
                     kRows);
    customImage_->HideSelection();
    draggingCustom_ = false;
    if (button == Qt::LeftButton) return CopyTiles();
    picked_ = target_;
    fromCustom_ = true;
    SelfCopy();
}

void TilesetEditor::SelfCopy() {
    picked_.Order();
    picked_.ClampTo(kColumns, kRows);
    for (int row = picked_.y0; row <= picked_.y1; ++row)
        for (int column = picked_.x0; column <= picked_.x1; ++column)
            CopyTile(spare_.pixels, column, row, custom_.pixels, column, row);
}

// A click pastes the selection once; a dragged target is filled with the selection repeated as a pattern,
// cut off at the tileset's right and bottom edges.
void TilesetEditor::CopyTiles() {
    picked_.Order();
    target_.Order();
    const widgets::TileSelection& to = target_;
    if (!picked_.Held()) {
        for (int row = std::max(to.y0, 0); row <= std::min(to.y1, kRows - 1); ++row)
            for (int column = std::max(to.x0, 0); column <= std::min(to.x1, kColumns - 1); ++column)
                BlankTile(custom_.pixels, column, row);
    } else {
        const Bytes& from = fromCustom_ ? spare_.pixels : source_.pixels;
        int w = picked_.ColumnSpan(), h = picked_.RowSpan();
        int rows = to.RowSpan() > 0 ? to.RowSpan() : h;
        int columns = to.ColumnSpan() > 0 ? to.ColumnSpan() : w;
        for (int dy = 0; dy <= rows && dy <= kRows - 1 - to.y0; ++dy)
            for (int dx = 0; dx <= columns && dx <= kColumns - 1 - to.x0; ++dx)
                CopyTile(custom_.pixels, to.x0 + dx, to.y0 + dy, from, picked_.x0 + dx % (w + 1),
                         picked_.y0 + dy % (h + 1));
    }
    modified_ = true;
    MakePicture();
}

void TilesetEditor::SwapCustomAndSource() {
    std::swap(custom_, source_);
    MakePicture();
    MakeBottomPicture();
}

void TilesetEditor::UseCustomAsSource() {
    source_ = custom_;
    MakeBottomPicture();
}

void TilesetEditor::RecolorFromSource() {
    if (source_.Empty() || custom_.Empty()) return;
    custom_.head = source_.head;
    MakePicture();
}

void TilesetEditor::ClearSelection() { picked_.Clear(); }

void TilesetEditor::PickNewSource() {
    std::optional<std::string> chosen = hooks_.pickTileset ? hooks_.pickTileset() : std::nullopt;
    if (chosen && !chosen->empty()) {
        fileName_ = *chosen;
        if (LoadSource()) MakePicture();
    }
}

void TilesetEditor::SaveCustomTileset() {
    if (custom_.Empty()) return;
    std::string path = dialogs_.SaveFile({"Save tileset as:", "Bitmap files (*.bmp)|*.bmp"});
    if (path.empty()) return;
    WriteCustomTileset(path);
    if (hooks_.editComments) hooks_.editComments(path);
    modified_ = false;
    Activate();
}

void TilesetEditor::ClearAll() {
    customImage_->SetImage(QImage());
    sourceImage_->SetImage(QImage());
    fileName_.clear();
    modified_ = false;
    custom_ = source_ = spare_ = widgets::TilesetBytes();
    saveCustom_->setEnabled(false);
}

void TilesetEditor::Finish() {
    if (modified_ && !dialogs_.AskOkCancel("Quit without saving?")) return;
    ClearAll();
    QDialog::done(QDialog::Accepted);
}

void TilesetEditor::reject() { Finish(); }

}  // namespace vetra::tileset
