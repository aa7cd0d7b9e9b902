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
        auto target = to.begin() + Tiles::TilePixelIndex(toColumn, toRow, 0, -d);
        auto source = from.begin() + Tiles::TilePixelIndex(fromColumn, fromRow, 0, -d);
        std::copy(source, source + 16, target);
    }
}

void BlankTile(Bytes& pixels, int column, int row) {
    for (int d = 0; d < 16; ++d) {
        auto target = pixels.begin() + Tiles::TilePixelIndex(column, row, 0, -d);
        std::fill(target, target + 16, 0);
    }
}

void Order(int& low, int& high) {
    if (low > high) std::swap(low, high);
}

QImage Picture(const widgets::TilesetBytes& tileset) {
    if (tileset.Empty()) return {};
    return widgets::IndexedImage(std::span(tileset.head).subspan(54, kPaletteSize), tileset.pixels, 304, 160);
}

std::string ErrorDetails(int number, const std::string& description) {
    return "\r\n\r\nError: " + std::to_string(number) + "\r\n" + description;
}

QLabel* Caption(const QString& text, QRect geometry, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    return label;
}

}  // namespace

Tileset::Tileset(widgets::FileDialog& dialogs, Hooks hooks, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), hooks_(std::move(hooks)) {
    setWindowTitle(QStringLiteral("Custom Tileset Creation"));
    setMouseTracking(true);
    BuildControls();
}

// The window is the width of one tileset: custom tileset on top, source below, the icon buttons in the strip
// between them beside the source's label, the command buttons along the bottom.
void Tileset::BuildControls() {
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
    connect(customImage_, &widgets::TileGrid::Pressed, this, &Tileset::Custom_MouseDown);
    connect(customImage_, &widgets::TileGrid::Moved, this, &Tileset::Custom_MouseMove);
    connect(customImage_, &widgets::TileGrid::Released, this, &Tileset::Custom_MouseUp);

    Caption(QStringLiteral("Source Tileset"), widgets::TwipsRect(0, 2670, 2400, 300), this);
    Caption(QStringLiteral("No tileset loaded."), QRect(0, widgets::Twips(2970), 304, 160), this)
        ->setAlignment(Qt::AlignCenter);
    sourceImage_ = new widgets::TileGrid(QSize(304, 160), this);
    sourceImage_->setObjectName(QStringLiteral("SourceTileset"));
    sourceImage_->move(0, widgets::Twips(2970));
    connect(sourceImage_, &widgets::TileGrid::Pressed, this, &Tileset::Source_MouseDown);
    connect(sourceImage_, &widgets::TileGrid::Moved, this, &Tileset::Source_MouseMove);
    connect(sourceImage_, &widgets::TileGrid::Released, this, &Tileset::Source_MouseUp);

    for (widgets::TileGrid* grid : {customImage_, sourceImage_}) {
        auto* separator = new QFrame(this);
        separator->setFrameShape(QFrame::HLine);
        separator->setGeometry(0, grid->y() - 1, 304, 1);
        separator = new QFrame(this);
        separator->setFrameShape(QFrame::HLine);
        separator->setGeometry(0, grid->y() + 160, 304, 1);
    }

    connect(Tool(widgets::ToolIcons::Swap(), QStringLiteral("Swap"), QStringLiteral("Swap Custom And Source Tilesets"),
                 3240),
            &QToolButton::clicked, this, &Tileset::Swap_Click);
    connect(Tool(widgets::ToolIcons::Recolor(), QStringLiteral("Recolor"),
                 QStringLiteral("Use Current Source Palette."), 3570),
            &QToolButton::clicked, this, &Tileset::Recolor_Click);
    connect(Tool(widgets::ToolIcons::Drop(), QStringLiteral("Drop"), QStringLiteral("Copy Custom Tileset To Source"),
                 3900),
            &QToolButton::clicked, this, &Tileset::Drop_Click);
    connect(Tool(widgets::ToolIcons::Hole(), QStringLiteral("Hole"),
                 QString::fromStdString("0 - " + Tiles::TileTypeName(0)), 4230),
            &QToolButton::clicked, this, &Tileset::Hole_Click);

    connect(Command(QStringLiteral("New Source"), QStringLiteral("Load New Tileset."), 0),
            &QPushButton::clicked, this, &Tileset::cmdNewSource_Click);
    saveCustom_ = Command(QStringLiteral("Save Custom"), QStringLiteral("Save Custom Tileset."), 1140);
    connect(saveCustom_, &QPushButton::clicked, this, &Tileset::cmdSaveCustom_Click);
    connect(Command(QStringLiteral("Clear Tilesets"), QStringLiteral("Clear Tilesets."), 2280),
            &QPushButton::clicked, this, &Tileset::cmdClear_Click);
    connect(Command(QStringLiteral("Finished"), QStringLiteral("Finshed Editing Tilesets."), 3420),
            &QPushButton::clicked, this, &Tileset::cmdFinished_Click);

    int height = widgets::Twips(5400 + 330) + 2 + statusBar_->sizeHint().height();
    setFixedSize(widgets::Twips(4560), height);
    statusBar_->setGeometry(0, height - statusBar_->sizeHint().height(), width(),
                            statusBar_->sizeHint().height());
    ShowVersion();
}

QPushButton* Tileset::Command(const QString& caption, const QString& hint, int left) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(caption);
    button->setGeometry(widgets::TwipsRect(left, 5400, 1140, 330));
    button->setAutoDefault(false);
    button->setToolTip(hint);
    findChild<widgets::StatusHints*>()->Add(button, hint);
    return button;
}

QToolButton* Tileset::Tool(const QIcon& icon, const QString& name, const QString& hint, int left) {
    auto* button = new QToolButton(this);
    button->setObjectName(name);
    button->setIcon(icon);
    button->setGeometry(widgets::TwipsRect(left, 2670, 300, 300));
    button->setToolTip(hint);
    findChild<widgets::StatusHints*>()->Add(button, hint);
    return button;
}

void Tileset::ShowVersion() { statusBar_->showMessage(kVersionText); }

void Tileset::mouseMoveEvent(QMouseEvent* event) {
    // Moves that a control ignores come here too; only the bare window shows the version.
    if (childAt(event->position().toPoint()) == nullptr) ShowVersion();
    QDialog::mouseMoveEvent(event);
}

void Tileset::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Activate();
}

void Tileset::Activate() {
    if (!fileName_.empty() && FileExists(fileName_)) {
        if (DoLoad()) MakePicture();
    } else {
        cmdClear_Click();
    }
}

bool Tileset::DoLoad() {
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
        dialogs_.MessageBox("Error in DoLoad!" + ErrorDetails(FileExists(fileName_) ? 62 : 53, error.what()));
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

void Tileset::MakePicture() { customImage_->SetImage(Picture(custom_)); }

void Tileset::MakeBottomPicture() { sourceImage_->SetImage(Picture(source_)); }

// The custom tileset replaces the beginning of the file; bytes behind it, such as comments, stay. The size
// field never claims more than the file holds, nor less than the bitmap itself.
void Tileset::DoMakePicture(const std::string& path) {
    try {
        Bytes bytes = FileExists(path) ? ReadWholeFile(path) : Bytes();
        Bytes bitmap = custom_.Joined();
        if (bytes.size() < bitmap.size()) bytes.resize(bitmap.size());
        std::copy(bitmap.begin(), bitmap.end(), bytes.begin());
        auto declared = static_cast<std::size_t>(ReadU32(&bytes[2]));
        WriteU32(&bytes[2], static_cast<std::uint32_t>(std::clamp(declared, bitmap.size(), bytes.size())));
        WriteFileSafely(path, bytes);
    } catch (const std::exception&) {
        dialogs_.MessageBox("Error in DoMakePicture");
    }
}

void Tileset::ShowTileName(QPoint pixel) {
    int n = widgets::TileGrid::TileOf(pixel.y()) * kColumns + widgets::TileGrid::TileOf(pixel.x()) + 1;
    statusBar_->showMessage(QString::fromStdString(std::to_string(n) + " - " + Tiles::TileTypeName(n)));
}

void Tileset::Source_MouseDown(QPoint pixel, Qt::MouseButton) {
    if (source_.Empty()) return;
    draggingSource_ = true;
    fromCustom_ = false;
    x0_ = x1_ = widgets::TileGrid::TileOf(pixel.x());
    y0_ = y1_ = widgets::TileGrid::TileOf(pixel.y());
    sourceImage_->DrawSelection(x0_, y0_, x1_, y1_);
}

void Tileset::Source_MouseMove(QPoint pixel) {
    ShowTileName(pixel);
    if (!draggingSource_) return;
    x1_ = std::clamp(widgets::TileGrid::TileOf(pixel.x()), 0, kColumns - 1);
    y1_ = std::clamp(widgets::TileGrid::TileOf(pixel.y()), 0, kRows - 1);
    sourceImage_->DrawSelection(x0_, y0_, x1_, y1_);
}

void Tileset::Source_MouseUp(QPoint pixel, Qt::MouseButton) {
    if (!draggingSource_) return;
    x1_ = std::clamp(widgets::TileGrid::TileOf(pixel.x()), 0, kColumns - 1);
    y1_ = std::clamp(widgets::TileGrid::TileOf(pixel.y()), 0, kRows - 1);
    sourceImage_->HideSelection();
    draggingSource_ = false;
}

void Tileset::Custom_MouseDown(QPoint pixel, Qt::MouseButton) {
    if (custom_.Empty()) return;
    draggingCustom_ = true;
    cx0_ = cx1_ = widgets::TileGrid::TileOf(pixel.x());
    cy0_ = cy1_ = widgets::TileGrid::TileOf(pixel.y());
    customImage_->DrawSelection(cx0_, cy0_, cx1_, cy1_);
}

void Tileset::Custom_MouseMove(QPoint pixel) {
    ShowTileName(pixel);
    if (!draggingCustom_) return;
    cx1_ = std::clamp(widgets::TileGrid::TileOf(pixel.x()), 0, kColumns - 1);
    cy1_ = std::clamp(widgets::TileGrid::TileOf(pixel.y()), 0, kRows - 1);
    customImage_->DrawSelection(cx0_, cy0_, cx1_, cy1_);
}

void Tileset::Custom_MouseUp(QPoint pixel, Qt::MouseButton button) {
    if (!draggingCustom_) return;
    cx1_ = std::clamp(widgets::TileGrid::TileOf(pixel.x()), 0, kColumns - 1);
    cy1_ = std::clamp(widgets::TileGrid::TileOf(pixel.y()), 0, kRows - 1);
    customImage_->HideSelection();
    draggingCustom_ = false;
    if (button == Qt::LeftButton) return CopyTiles();
    x0_ = cx0_;
    y0_ = cy0_;
    x1_ = cx1_;
    y1_ = cy1_;
    fromCustom_ = true;
    SelfCopy();
}

void Tileset::SelfCopy() {
    Order(x0_, x1_);
    Order(y0_, y1_);
    x0_ = std::clamp(x0_, 0, kColumns - 1);
    x1_ = std::clamp(x1_, 0, kColumns - 1);
    y0_ = std::clamp(y0_, 0, kRows - 1);
    y1_ = std::clamp(y1_, 0, kRows - 1);
    for (int row = y0_; row <= y1_; ++row)
        for (int column = x0_; column <= x1_; ++column)
            CopyTile(spare_.pixels, column, row, custom_.pixels, column, row);
}

// A click pastes the selection once; a dragged target is filled with the selection repeated as a pattern,
// cut off at the tileset's right and bottom edges.
void Tileset::CopyTiles() {
    Order(x0_, x1_);
    Order(y0_, y1_);
    Order(cx0_, cx1_);
    Order(cy0_, cy1_);
    if (x0_ < 0 || y0_ < 0) {
        for (int row = std::max(cy0_, 0); row <= std::min(cy1_, kRows - 1); ++row)
            for (int column = std::max(cx0_, 0); column <= std::min(cx1_, kColumns - 1); ++column)
                BlankTile(custom_.pixels, column, row);
    } else {
        const Bytes& from = fromCustom_ ? spare_.pixels : source_.pixels;
        int w = x1_ - x0_, h = y1_ - y0_;
        int rows = cy1_ - cy0_ > 0 ? cy1_ - cy0_ : h;
        int columns = cx1_ - cx0_ > 0 ? cx1_ - cx0_ : w;
        for (int dy = 0; dy <= rows && dy <= kRows - 1 - cy0_; ++dy)
            for (int dx = 0; dx <= columns && dx <= kColumns - 1 - cx0_; ++dx)
                CopyTile(custom_.pixels, cx0_ + dx, cy0_ + dy, from, x0_ + dx % (w + 1), y0_ + dy % (h + 1));
    }
    modified_ = true;
    MakePicture();
}

void Tileset::Swap_Click() {
    std::swap(custom_, source_);
    MakePicture();
    MakeBottomPicture();
}

void Tileset::Drop_Click() {
    source_ = custom_;
    MakeBottomPicture();
}

void Tileset::Recolor_Click() {
    if (source_.Empty() || custom_.Empty()) return;
    custom_.head = source_.head;
    MakePicture();
}

void Tileset::Hole_Click() { x0_ = y0_ = x1_ = y1_ = -1; }

void Tileset::cmdNewSource_Click() {
    std::optional<std::string> chosen = hooks_.pickTileset ? hooks_.pickTileset() : std::nullopt;
    if (chosen && !chosen->empty()) {
        fileName_ = *chosen;
        if (DoLoad()) MakePicture();
    }
}

void Tileset::cmdSaveCustom_Click() {
    if (custom_.Empty()) return;
    std::string path = dialogs_.SaveFile({"Save tileset as:", "Bitmap files (*.bmp)|*.bmp"});
    if (path.empty()) return;
    DoMakePicture(path);
    if (hooks_.editComments) hooks_.editComments(path);
    modified_ = false;
    Activate();
}

void Tileset::cmdClear_Click() {
    customImage_->SetImage(QImage());
    sourceImage_->SetImage(QImage());
    fileName_.clear();
    modified_ = false;
    custom_ = source_ = spare_ = widgets::TilesetBytes();
    saveCustom_->setEnabled(false);
}

void Tileset::cmdFinished_Click() {
    if (modified_ && !dialogs_.AskOkCancel("Quit without saving?")) return;
    cmdClear_Click();
    QDialog::done(QDialog::Accepted);
}

void Tileset::reject() { cmdFinished_Click(); }

}  // namespace vetra::tileset
