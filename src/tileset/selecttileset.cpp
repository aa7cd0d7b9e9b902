#include "tileset/selecttileset.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStorageInfo>

#include "formats/bitmapheader.h"
#include "formats/level.h"
#include "widgets/tilegrid.h"
#include "tileset/tilesetpreview.h"
#include "widgets/twips.h"
#include "widgets/filedialog.h"

namespace vetra::tileset {
namespace {

const char* const kFileTypes[] = {"All Tileset Files (*.bmp;*.lvl)", "Bitmap Files (*.bmp)",
                                  "SubSpace Levels (*.lvl)", "All Files (*.*)"};
const char* const kPatterns[] = {"*.bmp;*.lvl", "*.bmp", "*.lvl", "*.*"};
constexpr char kBrowseFilter[] =
    "All Tileset Files (*.bmp;*.lvl)|*.bmp;*.lvl|Bitmap Files (*.bmp)|*.bmp|SubSpace Levels (*.lvl)|*.lvl|"
    "All Files (*.*)|*.*";

QStringList DriveRoots() {
    QStringList roots;
#ifdef Q_OS_WIN
    for (const QFileInfo& drive : QDir::drives()) roots << drive.absolutePath();
#else
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && !roots.contains(volume.rootPath())) roots << volume.rootPath();
    if (!roots.contains(QDir::rootPath())) roots << QDir::rootPath();
#endif
    roots.sort();
    return roots;
}

// The root of the volume that holds a directory: the longest root that is a prefix of it.
QString DriveOf(const QStringList& roots, const QString& directory) {
    QString best;
    for (const QString& root : roots) {
        QString prefix = root.endsWith(u'/') ? root : root + u'/';
        if ((directory == root || directory.startsWith(prefix)) && root.size() > best.size()) best = root;
    }
    return best;
}

// The nearest directory at or above the given one that still exists.
QString ExistingDirectory(QString directory) {
    while (!QFileInfo(directory).isDir()) {
        QString parent = QFileInfo(directory).absolutePath();
        if (parent == directory) return QDir::rootPath();
        directory = parent;
    }
    return QDir(directory).absolutePath();
}

QPushButton* Button(const QString& caption, QRect geometry, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

SelectTileset::SelectTileset(widgets::FileDialog& dialogs, Context context, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), context_(std::move(context)), directory_(QDir::currentPath()) {
    setWindowTitle(QStringLiteral("Select tileset"));
    setFixedSize(widgets::Twips(7590), widgets::Twips(4800));
    BuildControls();
    fileType_->setCurrentIndex(0);
    FilterByType(0);
}

void SelectTileset::BuildControls() {
    auto* label = new QLabel(QStringLiteral("Get tileset from file of type:"), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setGeometry(widgets::TwipsRect(30, 0, 2775, 240));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);

    fileType_ = new QComboBox(this);
    fileType_->setObjectName(QStringLiteral("FileType"));
    fileType_->setGeometry(widgets::Twips(30), widgets::Twips(270), widgets::Twips(2940), fileType_->sizeHint().height());
    for (const char* type : kFileTypes) fileType_->addItem(QString::fromLatin1(type));
    connect(fileType_, &QComboBox::currentIndexChanged, this, &SelectTileset::FilterByType);

    file_ = new QListWidget(this);
    file_->setObjectName(QStringLiteral("File"));
    file_->setGeometry(widgets::TwipsRect(15, 600, 2970, 4185));
    connect(file_, &QListWidget::itemClicked, this, &SelectTileset::PreviewFile);
    connect(file_, &QListWidget::currentRowChanged, this, &SelectTileset::PreviewFile);
    connect(file_, &QListWidget::itemDoubleClicked, this, &SelectTileset::ChooseFile);

    preview_ = new widgets::TileGrid(QSize(304, 160), this);
    preview_->setObjectName(QStringLiteral("Preview"));
    preview_->move(widgets::Twips(3000), widgets::Twips(45));
    preview_->hide();

    notValid_ = new QLabel(QStringLiteral("Not a valid tileset."), this);
    notValid_->setObjectName(QStringLiteral("lblNotValid"));
    notValid_->setGeometry(widgets::TwipsRect(4005, 675, 2400, 1095));
    notValid_->setWordWrap(true);
    notValid_->setAlignment(Qt::AlignCenter);
    QFont large = notValid_->font();
    large.setPointSize(24);
    notValid_->setFont(large);
    notValid_->hide();

    dir_ = new QListWidget(this);
    dir_->setObjectName(QStringLiteral("Dir"));
    dir_->setGeometry(widgets::TwipsRect(3000, 2520, 4560, 1890));
    connect(dir_, &QListWidget::itemActivated, this, &SelectTileset::OpenFolder);

    drive_ = new QComboBox(this);
    drive_->setObjectName(QStringLiteral("Drive"));
    drive_->setGeometry(widgets::Twips(3000), widgets::Twips(4455), widgets::Twips(2280), drive_->sizeHint().height());
    connect(drive_, &QComboBox::activated, this, &SelectTileset::OpenDrive);

    QPushButton* cancel = Button(QStringLiteral("Cancel"), widgets::TwipsRect(5310, 4455, 750, 315), this);
    cancel->setObjectName(QStringLiteral("Cancel"));
    connect(cancel, &QPushButton::clicked, this, &SelectTileset::CancelChoice);
    QPushButton* browse = Button(QStringLiteral("Browse"), widgets::TwipsRect(6060, 4455, 750, 315), this);
    browse->setObjectName(QStringLiteral("Browse"));
    connect(browse, &QPushButton::clicked, this, &SelectTileset::BrowseForTileset);
    ok_ = Button(QStringLiteral("OK"), widgets::TwipsRect(6810, 4455, 750, 315), this);
    ok_->setObjectName(QStringLiteral("OK"));
    ok_->setEnabled(false);
    connect(ok_, &QPushButton::clicked, this, &SelectTileset::UseChosenTileset);
}

void SelectTileset::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Refresh();
    cancelled_ = true;
}

void SelectTileset::SetDirectory(const QString& directory) {
    directory_ = ExistingDirectory(QDir(directory).absolutePath());
    Refresh();
}

void SelectTileset::Refresh() {
    directory_ = ExistingDirectory(directory_);
    FillDrives();
    FillDirectories();
    FillFiles();
}

void SelectTileset::FillDrives() {
    QSignalBlocker block(drive_);
    QStringList roots = DriveRoots();
    drive_->clear();
    drive_->addItems(roots);
    drive_->setCurrentIndex(static_cast<int>(roots.indexOf(DriveOf(roots, directory_))));
}

// The directory list shows the way from the root down to the current directory, then its subdirectories.
void SelectTileset::FillDirectories() {
    QSignalBlocker block(dir_);
    dir_->clear();
    QStringList ancestors;
    for (QDir up(directory_);;) {
        ancestors.prepend(up.absolutePath());
        if (!up.cdUp()) break;
    }
    int depth = 0;
    for (const QString& path : ancestors) {
        QString name = QFileInfo(path).fileName();
        auto* item = new QListWidgetItem(QString(2 * depth++, u' ') + (name.isEmpty() ? path : name), dir_);
        item->setData(Qt::UserRole, path);
    }
    dir_->setCurrentRow(dir_->count() - 1);
    QDir here(directory_);
    for (const QString& name :
         here.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
        auto* item = new QListWidgetItem(QString(2 * depth, u' ') + name, dir_);
        item->setData(Qt::UserRole, here.filePath(name));
    }
}

void SelectTileset::FillFiles() {
    QSignalBlocker block(file_);
    file_->clear();
    QStringList patterns = pattern_.split(u';');
    file_->addItems(QDir(directory_).entryList(patterns, QDir::Files, QDir::Name | QDir::IgnoreCase));
    file_->setCurrentRow(-1);
    // A new list has nothing highlighted, so nothing is chosen: OK must never take a file the list no longer
    // shows as selected.
    ClearChoice();
}

void SelectTileset::ClearChoice() {
    tilesetFile_.clear();
    preview_->hide();
    preview_->SetImage(QImage());
    notValid_->hide();
    ok_->setEnabled(false);
}

void SelectTileset::OpenDrive(int index) {
    if (index >= 0) SetDirectory(drive_->itemText(index));
}

void SelectTileset::OpenFolder(QListWidgetItem* item) {
    if (item != nullptr) SetDirectory(item->data(Qt::UserRole).toString());
}

void SelectTileset::FilterByType(int index) {
    if (index < 0 || index > 3) return;
    pattern_ = QString::fromLatin1(kPatterns[index]);
    FillFiles();
}

void SelectTileset::PreviewFile() {
    if (QListWidgetItem* item = file_->currentItem()) CheckFile(item->text());
}

void SelectTileset::ChooseFile() {
    PreviewFile();
    UseChosenTileset();
}

bool SelectTileset::IsValidTileset(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    QByteArray head = file.read(22);
    if (head.size() < 22 || !head.startsWith("BM")) return false;
    return ReadU32(reinterpret_cast<const std::uint8_t*>(head.constData()) + 18) == 304;
}

void SelectTileset::CheckFile(const QString& name) {
    QString path = QDir(directory_).filePath(name);
    std::optional<QImage> picture;
    if (IsValidTileset(path)) picture = TilesetPreview(path);
    if (!picture) return MarkNotValid();
    tilesetFile_ = path.toStdString();
    preview_->SetImage(*picture);
    preview_->setFixedSize(304, picture->height());
    preview_->show();
    notValid_->hide();
    ok_->setEnabled(true);
}

void SelectTileset::MarkNotValid() {
    ClearChoice();
    notValid_->show();
}

void SelectTileset::BrowseForTileset() {
    std::string chosen = dialogs_.OpenFile({"Select tileset:", kBrowseFilter});
    if (chosen.empty()) return;
    QFileInfo info(QString::fromStdString(chosen));
    SetDirectory(info.absolutePath());
    FilterByType(fileType_->currentIndex());
    QList<QListWidgetItem*> matches =
        file_->findItems(info.fileName(), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (!matches.isEmpty()) file_->setCurrentItem(matches.first());
}

void SelectTileset::UseChosenTileset() {
    if (tilesetFile_.empty()) return;
    using widgets::TilesetOperation;
    TilesetOperation operation =
        context_.currentOperation ? context_.currentOperation() : TilesetOperation::None;
    bool wallTiles = context_.useWallTiles && context_.useWallTiles();
    if (wallTiles && operation != TilesetOperation::ApplyTiles && operation != TilesetOperation::EditTiles &&
        context_.wallTileEditor && context_.wallTileEditor(tilesetFile_))
        return CancelChoice();
    cancelled_ = false;
    accept();
}

void SelectTileset::CancelChoice() { reject(); }

}  // namespace vetra::tileset
