#include "walltiles/walltileeditor.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QToolButton>
#include <algorithm>
#include <utility>

#include "formats/bitmapheader.h"
#include "formats/tiles.h"
#include "widgets/decodedtileset.h"
#include "widgets/indexedimage.h"
#include "widgets/statushints.h"
#include "widgets/tilegrid.h"
#include "widgets/toolicons.h"
#include "widgets/twips.h"
#include "widgets/filedialog.h"
#include "util/fileio.h"
#include "util/filenameext.h"
#include "util/host.h"
#include "util/resultreport.h"
#include "walltiles/examplewalltile.h"
#include "walltiles/model/levelwalltiles.h"
#include "walltiles/model/wtdfile.h"
#include "walltiles/walltilepreview.h"

namespace vetra::walltiles {
namespace {

using widgets::TileGrid;
using widgets::Twips;
using widgets::TwipsRect;

constexpr int kColumns = 19;
constexpr int kRows = 10;
constexpr int kLastPossible = WallTileSet::kMaxWallTiles - 1;
constexpr int kPrevious = 0, kCurrent = 1, kNext = 2;
constexpr int kPreviewLefts[] = {165, 1815, 3435};
const char* const kPreviewNames[] = {"Previous", "Current", "Next"};
constexpr char kFilter[] = "WallTile definition files (*.wtd)|*.wtd";
// Map editors keep WallTile sets in levels; Load takes them from there too.
constexpr char kLoadFilter[] = "WallTile definition files (*.wtd)|*.wtd|Levels (*.lvl)|*.lvl";

QString Latin1(const char* text) { return QString::fromLatin1(text); }

bool Inside(const QWidget* widget, QPoint pixel) {
    return QRect(QPoint(0, 0), widget->size()).contains(pixel);
}

}  // namespace

WallTileEditor::WallTileEditor(Host& host, widgets::FileDialog& dialogs, ConverterWallTiles& installed,
                               QString versionText, QWidget* parent)
    : QDialog(parent),
      host_(host),
      dialogs_(dialogs),
      installed_(installed),
      versionText_(std::move(versionText)) {
    setWindowTitle(QStringLiteral("Custom WallTile Definition"));
    setMouseTracking(true);
    BuildControls();
}

void WallTileEditor::BuildControls() {
    statusBar_ = new QStatusBar(this);
    statusBar_->setSizeGripEnabled(false);
    auto* hints = new widgets::StatusHints(statusBar_, this);
    hints->Add(statusBar_, versionText_);

    BuildPreviews();
    BuildCommands();
    BuildExample();

    tilesetImage_ = new widgets::TileGrid(QSize(304, 160), this);
    tilesetImage_->setObjectName(QStringLiteral("TilesetImage"));
    tilesetImage_->move(0, widgets::Twips(2340));
    connect(tilesetImage_, &widgets::TileGrid::Pressed, this,
            [this](QPoint pixel) { MouseDownOnTileset(pixel); });
    connect(tilesetImage_, &widgets::TileGrid::Moved, this, &WallTileEditor::MouseMoveOverTileset);
    connect(tilesetImage_, &widgets::TileGrid::Released, this,
            [this](QPoint pixel) { MouseUpOnTileset(pixel); });

    int height = widgets::Twips(5400) + statusBar_->sizeHint().height();
    setFixedSize(widgets::Twips(4560), height);
    statusBar_->setGeometry(0, widgets::Twips(5400), width(), statusBar_->sizeHint().height());
    ShowVersion();
}

// Each preview has its caption above it and, over its fifth row, the cover shown while its WallTile has no
// diagonals. A click on the current preview pastes; one on a neighbour or its caption moves to it.
void WallTileEditor::BuildPreviews() {
    auto* hints = findChild<widgets::StatusHints*>();
    for (int k = 0; k < 3; ++k) {
        QString name = Latin1(kPreviewNames[k]);
        labels_[k] = new QLabel(name, this);
        labels_[k]->setObjectName(QStringLiteral("lbl") + name);
        labels_[k]->setGeometry(widgets::TwipsRect(kPreviewLefts[k], 75, 960, 240));
        labels_[k]->setAlignment(Qt::AlignCenter);
        labels_[k]->installEventFilter(this);
        previews_[k] = new widgets::TileGrid(QSize(64, 80), this);
        previews_[k]->setObjectName(name + QStringLiteral("WallTile"));
        previews_[k]->move(widgets::Twips(kPreviewLefts[k]), widgets::Twips(315));
        hints->Add(previews_[k], name + QStringLiteral(" WallTile"));
        covers_[k] = new QLabel(this);
        covers_[k]->setObjectName(name + QStringLiteral("Cover"));
        covers_[k]->setGeometry(widgets::TwipsRect(kPreviewLefts[k], 1275, 960, 240));
        covers_[k]->setAutoFillBackground(true);
    }
    connect(previews_[kCurrent], &widgets::TileGrid::Pressed, this,
            [this](QPoint pixel) { PasteIntoSlots(pixel); });
    connect(previews_[kPrevious], &widgets::TileGrid::Released, this, [this](QPoint pixel) {
        if (Inside(previews_[kPrevious], pixel)) ShowPreviousWallTile();
    });
    connect(previews_[kNext], &widgets::TileGrid::Released, this, [this](QPoint pixel) {
        if (Inside(previews_[kNext], pixel)) ShowNextWallTile();
    });

    diagonals_ = new QCheckBox(QStringLiteral("Diagonals"), this);
    diagonals_->setObjectName(QStringLiteral("Diagonals"));
    diagonals_->setGeometry(widgets::Twips(1770), widgets::Twips(1515), 80, 18);
    hints->Add(diagonals_, QString());
    connect(diagonals_, &QCheckBox::clicked, this, &WallTileEditor::SetDiagonals);

    scroll_ = new QScrollBar(Qt::Horizontal, this);
    scroll_->setObjectName(QStringLiteral("WallTileScroll"));
    scroll_->setGeometry(200, widgets::Twips(1530), 70, 16);
    scroll_->setRange(0, 0);
    connect(scroll_, &QScrollBar::valueChanged, this, &WallTileEditor::ScrollToWallTile);
    index_ = new QLabel(QStringLiteral("(0)"), this);
    index_->setObjectName(QStringLiteral("lblIndex"));
    index_->setGeometry(272, widgets::Twips(1515), 30, 18);
}

// The example covers the previous preview while there is no previous WallTile to show.
void WallTileEditor::BuildExample() {
    example_ = new QFrame(this);
    example_->setObjectName(QStringLiteral("frExample"));
    example_->setGeometry(widgets::TwipsRect(105, -45, 1095, 1620));
    example_->setAutoFillBackground(true);
    auto* caption = new QLabel(QStringLiteral("Example"), example_);
    caption->setGeometry(labels_[kPrevious]->geometry().translated(-example_->pos()));
    caption->setAlignment(Qt::AlignCenter);
    examplePicture_ = new QLabel(example_);
    examplePicture_->setObjectName(QStringLiteral("ExamplePicture"));
    examplePicture_->setGeometry(previews_[kPrevious]->geometry().translated(-example_->pos()));
    examplePicture_->setPixmap(ExampleWallTile());
    auto* hints = findChild<widgets::StatusHints*>();
    hints->Add(example_, versionText_);
    hints->Add(examplePicture_, QString());
    example_->raise();
}

void WallTileEditor::BuildCommands() {
    delete_ = Command(QStringLiteral("Delete Current"), widgets::TwipsRect(270, 1995, 1350, 330));
    connect(delete_, &QPushButton::clicked, this, &WallTileEditor::DeleteWallTile);
    connect(Command(QStringLiteral("Clear Current"), widgets::TwipsRect(1620, 1995, 1350, 330)),
            &QPushButton::clicked, this, &WallTileEditor::ClearWallTile);
    add_ = Command(QStringLiteral("Add WallTile"), widgets::TwipsRect(2970, 1995, 1350, 330));
    connect(add_, &QPushButton::clicked, this, &WallTileEditor::AddWallTile);
    connect(Command(QStringLiteral("Load"), widgets::TwipsRect(300, 4770, 825, 330)), &QPushButton::clicked,
            this, &WallTileEditor::LoadDefinitions);
    connect(Command(QStringLiteral("Save"), widgets::TwipsRect(1350, 4770, 825, 330)), &QPushButton::clicked,
            this, &WallTileEditor::SaveDefinitions);
    connect(Command(QStringLiteral("Cancel"), widgets::TwipsRect(2400, 4770, 825, 330)),
            &QPushButton::clicked, this, &WallTileEditor::CloseWithoutWallTiles);
    connect(Command(QStringLiteral("OK"), widgets::TwipsRect(3450, 4770, 825, 330)), &QPushButton::clicked,
            this, &WallTileEditor::InstallAndClose);

    auto* hole = new QToolButton(this);
    hole->setObjectName(QStringLiteral("Hole"));
    hole->setIcon(widgets::ToolIcons::Hole());
    hole->setGeometry(0, widgets::Twips(4770), widgets::Twips(285), widgets::Twips(330));
    findChild<widgets::StatusHints*>()->Add(hole, QString::fromStdString("0 - " + tiles::TileTypeName(0)));
    connect(hole, &QToolButton::clicked, this, &WallTileEditor::ClearSelection);
}

QPushButton* WallTileEditor::Command(const QString& caption, QRect geometry) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(caption);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    findChild<widgets::StatusHints*>()->Add(button, QString());
    return button;
}

void WallTileEditor::ShowVersion() { statusBar_->showMessage(versionText_); }

// Moves that a control ignored arrive here too; only the bare background shows the version.
void WallTileEditor::mouseMoveEvent(QMouseEvent* event) {
    if (childAt(event->position().toPoint()) == nullptr) ShowVersion();
    QDialog::mouseMoveEvent(event);
}

bool WallTileEditor::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == labels_[kPrevious]) ShowPreviousWallTile();
        if (watched == labels_[kNext]) ShowNextWallTile();
    }
    return QDialog::eventFilter(watched, event);
}

void WallTileEditor::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Activate();
}

// Every showing rebuilds the set from the last loaded file as it is now on disk, not from the last edits.
void WallTileEditor::Activate() {
    ShowVersion();
    example_->show();
    examplePicture_->show();
    for (int k = 0; k < 3; ++k) ShowWallTile(k, 0, false);
    cancelled_ = true;
    if (tilesetFile_.empty() || !FileExists(tilesetFile_)) {
        installed_ = {};
        // Hidden once showing is over; a dialog hidden while it is being shown would never return from exec.
        QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
        return;
    }
    if (!LoadTileset()) return;
    set_ = WallTileSet(1);
    {
        QSignalBlocker block(scroll_);
        scroll_->setRange(0, 0);
    }
    if (!definitionFile_.empty() && FileExists(definitionFile_))
        LoadDefinitionFile();
    else
        ResetWallTiles();
    UpdateButtons();
}

// Previews copy tile pixels byte by byte; a tileset of another layout is shown from its decoded picture.
bool WallTileEditor::LoadTileset() {
    try {
        tileset_ = widgets::HoldsRaw8BitPixels(tilesetFile_) ? widgets::ReadTilesetBytes(tilesetFile_)
                                                             : widgets::DecodedTilesetBytes(tilesetFile_);
    } catch (const std::exception& error) {
        tileset_ = widgets::TilesetBytes();
        tilesetImage_->SetImage(QImage());
        host_.MessageBox("Could not show the tileset " + tilesetFile_ + " (" + error.what() + ").");
        return false;
    }
    tilesetImage_->SetImage(
        widgets::IndexedImage(std::span(tileset_.head).subspan(54, kPaletteSize), tileset_.pixels, 304, 160));
    return true;
}

void WallTileEditor::ResetWallTiles() {
    for (int index = 0; index < set_.LastIndex(); ++index) set_.Definition(index).tiles.fill(0);
    set_.SetCurrent(0);
    RefreshView();
}

void WallTileEditor::LoadDefinitionFile() {
    examplePicture_->hide();
    bool level = filenameext::HasExtension(definitionFile_, ".lvl");
    FileResult loaded = level ? levelwalltiles::Load(definitionFile_, set_) : wtdfile::Load(definitionFile_, set_);
    ReportFile(host_, loaded);
    if (!loaded.Done()) return;
    UpdateButtons();
    RefreshView();
}

void WallTileEditor::UpdateButtons() {
    delete_->setEnabled(set_.LastIndex() >= 1);
    add_->setEnabled(set_.LastIndex() < kLastPossible);
}

void WallTileEditor::MakePicture() {
    previews_[kCurrent]->SetImage(WallTilePreview(tileset_, set_.CurrentDefinition()));
}

void WallTileEditor::ShowWallTile(int slot, int index, bool visible) {
    previews_[slot]->setVisible(visible);
    labels_[slot]->setVisible(visible);
    covers_[slot]->setVisible(visible && !set_.Definition(index).diagonals);
    if (visible && slot != kCurrent)
        previews_[slot]->SetImage(WallTilePreview(tileset_, set_.Definition(index)));
}

void WallTileEditor::RefreshView() {
    int current = set_.Current();
    ShowWallTile(kPrevious, current - 1, current > 0);
    MakePicture();
    ShowWallTile(kCurrent, current, true);
    diagonals_->setChecked(set_.CurrentDefinition().diagonals);
    {
        QSignalBlocker block(scroll_);
        scroll_->setMaximum(set_.LastIndex());
        scroll_->setValue(current);
    }
    index_->setText(QStringLiteral("(%1)").arg(current));
    ShowWallTile(kNext, current + 1, current < set_.LastIndex());
}

void WallTileEditor::MouseDownOnTileset(QPoint pixel) {
    dragging_ = true;
    picked_.Start(widgets::TileGrid::TileOf(pixel.x()), widgets::TileGrid::TileOf(pixel.y()));
    tilesetImage_->DrawSelection(picked_);
}

void WallTileEditor::MouseMoveOverTileset(QPoint pixel) {
    int n = widgets::TileGrid::TileOf(pixel.y()) * kColumns + widgets::TileGrid::TileOf(pixel.x()) + 1;
    statusBar_->showMessage(QString::fromStdString(std::to_string(n) + " - " + tiles::TileTypeName(n)));
    if (!dragging_) return;
    picked_.ExtendTo(widgets::TileGrid::TileOf(pixel.x()), widgets::TileGrid::TileOf(pixel.y()), kColumns,
                     kRows);
    tilesetImage_->DrawSelection(picked_);
}

void WallTileEditor::MouseUpOnTileset(QPoint pixel) {
    picked_.ExtendTo(widgets::TileGrid::TileOf(pixel.x()), widgets::TileGrid::TileOf(pixel.y()), kColumns,
                     kRows);
    tilesetImage_->HideSelection();
    dragging_ = false;
}

void WallTileEditor::PasteIntoSlots(QPoint pixel) {
    if (Inside(previews_[kCurrent], pixel)) CopyTiles(pixel.x() / 16, pixel.y() / 16);
}

// The block keeps its shape and is cut off at the right and bottom edges of the 4 x 5 slots.
void WallTileEditor::CopyTiles(int column, int row) {
    picked_.Order();
    WallTileDefinition& definition = set_.CurrentDefinition();
    if (picked_.Held()) {
        for (int dy = 0; dy <= picked_.RowSpan() && dy <= 4 - row; ++dy)
            for (int dx = 0; dx <= picked_.ColumnSpan() && dx <= 3 - column; ++dx)
                definition.tiles[(row + dy) * 4 + column + dx] =
                    static_cast<std::uint8_t>((picked_.y0 + dy) * kColumns + picked_.x0 + dx + 1);
    } else {
        definition.tiles[row * 4 + column] = 0;
    }
    if (!definition.diagonals)
        std::fill(definition.tiles.begin() + WallTileDefinition::kConnectionSlots, definition.tiles.end(), 0);
    MakePicture();
    RefreshView();
}

void WallTileEditor::ShowPreviousWallTile() {
    if (set_.Current() > 0) set_.SetCurrent(set_.Current() - 1);
    RefreshView();
}

void WallTileEditor::ShowNextWallTile() {
    if (set_.Current() < set_.LastIndex()) set_.SetCurrent(set_.Current() + 1);
    RefreshView();
}

void WallTileEditor::ClearSelection() { picked_.Clear(); }

// The slots keep their numbers; the next paste clears the diagonal ones while the box is off.
void WallTileEditor::SetDiagonals() {
    set_.CurrentDefinition().diagonals = diagonals_->isChecked();
    covers_[kCurrent]->setVisible(!diagonals_->isChecked());
}

void WallTileEditor::ScrollToWallTile(int value) {
    set_.SetCurrent(value);
    RefreshView();
}

void WallTileEditor::ClearWallTile() {
    set_.ClearCurrent();
    MakePicture();
    RefreshView();
}

void WallTileEditor::AddWallTile() {
    example_->hide();
    if (!set_.AddWallTile()) return;
    if (set_.LastIndex() == kLastPossible)
        add_->setEnabled(false);
    else
        delete_->setEnabled(true);
    MakePicture();
    RefreshView();
}

void WallTileEditor::DeleteWallTile() {
    if (set_.LastIndex() == 0) return ClearWallTile();
    set_.DeleteCurrent();
    RefreshView();
    if (set_.LastIndex() == 0) {
        delete_->setEnabled(false);
        example_->show();
    } else if (set_.LastIndex() < kLastPossible) {
        add_->setEnabled(true);
    }
}

void WallTileEditor::LoadDefinitions() {
    std::string path = dialogs_.OpenFile({"Load WallTile definition:", kLoadFilter});
    if (path.empty()) return;
    definitionFile_ = path;
    LoadDefinitionFile();
}

void WallTileEditor::SaveDefinitions() {
    std::string path = dialogs_.SaveFile({"Save WallTile definition:", kFilter});
    if (!path.empty()) ReportOutcome(host_, wtdfile::Save(path, set_, host_.Faults()));
}

void WallTileEditor::InstallAndClose() {
    installed_ = set_.ToConverterOrder();
    cancelled_ = false;
    accept();
}

void WallTileEditor::CloseWithoutWallTiles() {
    installed_ = {};
    reject();
}

}  // namespace vetra::walltiles
