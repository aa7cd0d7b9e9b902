#include "ui/mainwindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>

#include "widgets/qtfiledialog.h"

namespace vetra::ui {
namespace {

constexpr int Pixels(int twips) { return twips / 15; }

const QString kSiteTitle = QStringLiteral("VETRA - vetra.subspace.zone");

struct TabLayout {
    const char* caption;
    const char* key;
    const char* toolTip;
    const char* frame;
};

constexpr TabLayout kTabs[] = {
    {"Maps", "Maps", "Map functions", "FrameMaps"},
    {"Tiles", "Tilesets", "Tileset functions", "FrameTilesets"},
    {"Info", "Info", "Informational tools.", "FrameVETRA"},
    {"Server", "Server", "Server configuration", "FrameServer"},
};

struct ControlLayout {
    int frame;  // index into kTabs
    const char* name;
    const char* caption;
    int leftTwips;
    int row;  // -1 for the check box below the grid
    const char* hint;
};

constexpr ControlLayout kControls[] = {
    {0, "cmdConvert", "Convert", 0, 0, "Convert a BMP to a Subspace LVL"},
    {0, "cmdFixLVL", "Re-Link", 1005, 0, "Re-link WallTiles in a LVL"},
    {0, "cmdMergeLvls", "Overlay", 2010, 0, "Overlay a diff on a SubSpace LVL."},
    {0, "cmdDeconvert", "Deconvert", 0, 1, "Convert a SubSpace LVL to a BMP"},
    {0, "cmdMakeBMP", "New Map", 1005, 1, "Create a blank map BMP."},
    {0, "cmdDiffLvls", "Make Diff", 2010, 1, "Create a custom overlay diff."},
    {0, "Expert", "Use WallTiles", 0, -1, "Use WallTile technology."},
    {1, "cmdTileset", "Edit Tiles", 0, 0, "Edit a tileset BMP."},
    {1, "cmdApplyTileset", "Apply Tiles", 1005, 0, "Apply a tileset to a LVL."},
    {1, "cmdSplitLevel", "Split Tiles", 2010, 0, "Split a tileset from a LVL."},
    {1, "cmdMakeTileset", "New Tiles", 1005, 1, "Create a new tileset BMP."},
    {1, "Clean", "Clean Palette", 0, -1, "Use default SubSpace palette."},
    {2, "cmdGetInfo", "View Info", 0, 0, "View embedded tileset comments."},
    {2, "cmdPutInfo", "Edit Info", 1005, 0, "Edit embedded tileset comments."},
    {2, "cmdDelInfo", "Wipe Info", 2010, 0, "Delete embedded tileset comments."},
    {2, "cmdPreview", "Preview", 0, 1, "Preview a LVL or map BMP."},
    {2, "cmdAbout", "About", 1005, 1, "About VETRA."},
    {2, "ROComments", "Don't Overwrite Files", 0, -1, "Don't change tileset comments."},
    {3, "cmdSet2Cfg", ".set->.cfg", 0, 0, "Convert a SET to a CFG."},
    {3, "cmdCfg2Set", ".cfg->.set", 1005, 0, "Convert a CFG to a SET."},
    {3, "cmdDescSet", "Describe", 1995, 0, "Add descriptions to a SET/CFG."},
    {3, "Comments", "Include Descriptions", 0, -1, "Use descriptions in SET/CFG."},
};

// The order in which a run disables its controls and enables them again; ROComments stays usable throughout.
constexpr const char* kDisableOrder[] = {
    "cmdAbout", "cmdTileset", "cmdMakeBMP", "cmdMakeTileset", "cmdFixLVL", "cmdConvert", "cmdApplyTileset",
    "cmdSplitLevel", "cmdDeconvert", "Clean", "cmdDescSet", "cmdCfg2Set", "cmdSet2Cfg", "Comments", "Expert",
    "cmdGetInfo", "cmdPutInfo", "cmdDelInfo", "cmdMergeLvls", "cmdDiffLvls",
};

constexpr int kButtonWidth = 1005;
constexpr int kButtonHeight = 350;

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent),
      versionText_(QStringLiteral(VETRA_VERSION_TEXT)),
      dialog_(std::make_unique<widgets::QtFileDialog>(this)) {
    setObjectName(QStringLiteral("UI"));
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("Background"));
    setCentralWidget(central);
    BuildTabStrip(central);
    BuildFrames(central);
    statusText_ = new QLabel(versionText_, this);
    statusText_->setObjectName(QStringLiteral("StatusText"));
    statusBar()->setSizeGripEnabled(false);
    statusBar()->setFixedHeight(Pixels(300));
    statusBar()->addWidget(statusText_, 1);
    WatchForHints(central, versionText_);
    WatchForHints(statusBar(), versionText_);
    WatchForHints(this, versionText_);
    for (const char* name : kDisableOrder) disableOrder_.push_back(findChild<QWidget*>(QString::fromLatin1(name)));
    ConnectButtons();
    setFixedSize(Pixels(3195), Pixels(2145));
    RestoreTitle();
    ShowTab(tabStrip_->currentIndex());
    EnableExpertButtons();
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildTabStrip(QWidget* central) {
    tabStrip_ = new QTabBar(central);
    tabStrip_->setObjectName(QStringLiteral("TabStrip"));
    tabStrip_->setGeometry(0, 0, Pixels(3105), Pixels(315));
    tabStrip_->setExpanding(false);
    // Four captions must share 207 pixels, as in the original layout; scroll arrows would hide the last tab.
    tabStrip_->setUsesScrollButtons(false);
    tabStrip_->setStyleSheet(QStringLiteral(
        "QTabBar::tab { padding: 1px 7px; border: 1px solid palette(mid); border-bottom: none;"
        " border-top-left-radius: 3px; border-top-right-radius: 3px; background: palette(button); }"
        "QTabBar::tab:selected { background: palette(window); }"));
    for (const TabLayout& tab : kTabs) {
        int index = tabStrip_->addTab(QString::fromLatin1(tab.caption));
        tabStrip_->setTabData(index, QString::fromLatin1(tab.key));
        tabStrip_->setTabToolTip(index, QString::fromLatin1(tab.toolTip));
    }
    WatchForHints(tabStrip_, versionText_);
    connect(tabStrip_, &QTabBar::currentChanged, this, &MainWindow::ShowTab);
}

void MainWindow::BuildFrames(QWidget* central) {
    for (const TabLayout& tab : kTabs) {
        auto* frame = new QFrame(central);
        frame->setObjectName(QString::fromLatin1(tab.frame));
        frame->setGeometry(Pixels(45), Pixels(365), Pixels(3015), Pixels(1050));
        frame->setVisible(false);
        WatchForHints(frame, versionText_);
        frames_.push_back(frame);
    }
    for (const ControlLayout& layout : kControls) {
        QWidget* frame = frames_[layout.frame];
        QString caption = QString::fromLatin1(layout.caption);
        QWidget* control = nullptr;
        if (layout.row < 0) {
            control = new QCheckBox(caption, frame);
            control->setGeometry(0, 2 * Pixels(kButtonHeight) + 1, frame->width(), Pixels(kButtonHeight) - 2);
        } else {
            control = new QPushButton(caption, frame);
            control->setGeometry(Pixels(layout.leftTwips), layout.row * Pixels(kButtonHeight), Pixels(kButtonWidth),
                                 Pixels(kButtonHeight));
        }
        control->setObjectName(QString::fromLatin1(layout.name));
        WatchForHints(control, QString::fromLatin1(layout.hint));
    }
}

void MainWindow::WatchForHints(QWidget* widget, const QString& hint) {
    hints_.insert(widget, hint);
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
}

QPushButton* MainWindow::Button(const char* name) const {
    return findChild<QPushButton*>(QString::fromLatin1(name));
}

QCheckBox* MainWindow::Box(const char* name) const {
    return findChild<QCheckBox*>(QString::fromLatin1(name));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        auto* widget = static_cast<QWidget*>(watched);
        QPoint position = static_cast<QMouseEvent*>(event)->position().toPoint();
        // A move that a hinted child ignored travels on to its parent; the child's hint must stay.
        for (QObject* object : widget->children()) {
            auto* child = qobject_cast<QWidget*>(object);
            if (child && hints_.contains(child) && !child->isHidden() && child->geometry().contains(position))
                return false;
        }
        statusText_->setText(hints_.value(watched, versionText_));
    }
    return false;
}

QString MainWindow::StatusText() const { return statusText_->text(); }

void MainWindow::ShowTab(int index) { ShowFrameForCaption(tabStrip_->tabText(index)); }

void MainWindow::ShowFrameForCaption(const QString& caption) {
    for (std::size_t i = 0; i < std::size(kTabs); ++i) {
        if (caption.compare(QString::fromLatin1(kTabs[i].caption), Qt::CaseInsensitive) != 0) continue;
        for (std::size_t f = 0; f < frames_.size(); ++f) frames_[f]->setVisible(f == i);
        return;
    }
}

void MainWindow::EnableExpertButtons() { Button("cmdFixLVL")->setEnabled(Box("Expert")->isChecked()); }

void MainWindow::DisableControls() {
    for (QWidget* control : disableOrder_) control->setEnabled(false);
    tabStrip_->setEnabled(false);
}

void MainWindow::EnableControls() {
    bool expert = Box("Expert")->isChecked();
    for (QWidget* control : disableOrder_)
        control->setEnabled(control->objectName() != QLatin1String("cmdFixLVL") || expert);
    tabStrip_->setEnabled(true);
}

void MainWindow::SetTitle(const std::string& text) { setWindowTitle(QString::fromStdString(text)); }

void MainWindow::RestoreTitle() { setWindowTitle(kSiteTitle); }

Info& MainWindow::Summary() {
    if (!info_) info_ = new Info(this);
    return *info_;
}

void MainWindow::ClearText() { Summary().ClearText(); }

void MainWindow::AddText(const std::string& text) { Summary().AddText(text); }

void MainWindow::MessageBox(const std::string& text) { dialog_->MessageBox(text); }

void MainWindow::DoEvents() { QCoreApplication::processEvents(); }

bool MainWindow::OptionValue(Option option) const {
    switch (option) {
    case Option::UseWallTiles: return Box("Expert")->isChecked();
    case Option::CleanPalette: return Box("Clean")->isChecked();
    case Option::IncludeDescriptions: return Box("Comments")->isChecked();
    case Option::DontOverwriteFiles: return Box("ROComments")->isChecked();
    }
    return false;
}

ConverterWallTiles MainWindow::WallTilesInUse() const {
    return OptionValue(Option::UseWallTiles) ? wallTiles_ : ConverterWallTiles{};
}

void MainWindow::SetFileDialog(std::unique_ptr<widgets::FileDialog> dialog) {
    if (dialog) dialog_ = std::move(dialog);
}

void MainWindow::AddSecondaryWindow(QWidget* window) { secondary_.emplace_back(window); }

void MainWindow::closeEvent(QCloseEvent* event) {
    if (info_) info_->close();
    for (const QPointer<QWidget>& window : secondary_)
        if (window) window->close();
    event->accept();
}

}  // namespace vetra::ui
