// The main window's button handlers. An engine's button is a few lines here: its operation, made from the
// options once the dialogs are answered, handed to the batch driver with the steps around its dialog.
#include <QCheckBox>
#include <QPushButton>

#include "cfgset/cfgset.h"
#include "cfgset/settingsoperations.h"
#include "convert/blankmap.h"
#include "convert/blanktileset.h"
#include "convert/deconversion.h"
#include "convert/levelsplit.h"
#include "convert/makediff.h"
#include "convert/mapconversion.h"
#include "convert/overlay.h"
#include "convert/relink.h"
#include "convert/tilesetapplication.h"
#include "ui/about.h"
#include "ui/commentswindow.h"
#include "ui/mainwindow.h"
#include "util/filenameext.h"

namespace vetra::ui {

using widgets::TilesetOperation;

void MainWindow::ConnectButtons() {
    const std::pair<const char*, void (MainWindow::*)()> handlers[] = {
        {"cmdConvert", &MainWindow::ConvertMaps},      {"cmdFixLVL", &MainWindow::ReLinkLevels},
        {"cmdMergeLvls", &MainWindow::OverlayLevels},  {"cmdDeconvert", &MainWindow::DeconvertLevels},
        {"cmdMakeBMP", &MainWindow::CreateBlankMap},   {"cmdDiffLvls", &MainWindow::DiffLevels},
        {"cmdTileset", &MainWindow::EditTileset},      {"cmdApplyTileset", &MainWindow::ApplyTilesets},
        {"cmdSplitLevel", &MainWindow::SplitLevels},   {"cmdMakeTileset", &MainWindow::CreateBlankTileset},
        {"cmdGetInfo", &MainWindow::ViewComments},     {"cmdPutInfo", &MainWindow::EditComments},
        {"cmdDelInfo", &MainWindow::WipeComments},     {"cmdAbout", &MainWindow::ShowAbout},
        {"cmdSet2Cfg", &MainWindow::ConvertSetsToCfg}, {"cmdCfg2Set", &MainWindow::ConvertCfgsToSet},
        {"cmdDescSet", &MainWindow::DescribeSets},     {"cmdPreview", &MainWindow::PreviewLevel},
    };
    for (const auto& [name, handler] : handlers) connect(Button(name), &QPushButton::clicked, this, handler);
    connect(Box("Expert"), &QCheckBox::clicked, this, &MainWindow::EnableExpertButtons);
}

// Maps
void MainWindow::ConvertMaps() {
    // With WallTiles in use, the tileset chosen in the picker goes at the head of every new level.
    RunOperation(
        [this] {
            bool useWallTiles = OptionValue(Option::UseWallTiles);
            return convert::ConvertOperation({.wallTiles = WallTilesInUse(),
                                              .tileset = useWallTiles ? pickedTileset_ : std::string(),
                                              .cleanPalette = OptionValue(Option::CleanPalette)});
        },
        {.operation = TilesetOperation::Convert, .afterDialog = WallTilePickerStep()});
}
void MainWindow::ReLinkLevels() {
    RunOperation(
        [this] {
            return convert::ReLinkOperation(
                {.wallTiles = WallTilesInUse(), .cleanPalette = OptionValue(Option::CleanPalette)});
        },
        {.operation = TilesetOperation::ReLink, .afterDialog = WallTilePickerStep()});
}
void MainWindow::OverlayLevels() {
    auto chooseOverlay = [this] {
        overlay_ = dialog_->OpenFile({convert::kOverlayDialogTitle, convert::kLevelFilter});
        return filenameext::HasExtension(overlay_, ".lvl");
    };
    RunOperation([this] { return convert::OverlayOperation(overlay_); }, {.beforeDialog = chooseOverlay});
}
void MainWindow::DeconvertLevels() {
    RunOperation(
        [this] {
            return convert::DeconvertOperation(
                {.wallTiles = WallTilesInUse(), .cleanPalette = OptionValue(Option::CleanPalette)});
        },
        {.operation = TilesetOperation::Deconvert, .afterDialog = WallTilePickerStep()});
}
void MainWindow::CreateBlankMap() {
    RunSaveOperation({.dialogTitle = "Create blank map .bmp as:",
                      .filter = "Bitmap Files (*.bmp)|*.bmp",
                      .completion = "Blank map bitmap created.",
                      .job = {.routine = convert::MakeBlankMap}});
}
void MainWindow::DiffLevels() {
    RunWithControlsDisabled([this] {
        std::string unaltered = dialog_->OpenFile({convert::kUnalteredDialogTitle, convert::kLevelFilter});
        if (!filenameext::HasExtension(unaltered, ".lvl")) return;
        std::string edited = dialog_->OpenFile({convert::kEditedDialogTitle, convert::kLevelFilter});
        if (!filenameext::HasExtension(edited, ".lvl")) return;
        convert::DiffLevels(*this, unaltered, edited);
    });
}

// Tiles
void MainWindow::EditTileset() {
    RunWithControlsDisabled([this] {
        currentOperation_ = TilesetOperation::EditTiles;
        std::optional<std::string> file = ChooseTileset();
        if (file && !file->empty() && tilesetEditor_) tilesetEditor_(*file);
    });
}

void MainWindow::ApplyTilesets() {
    // The tileset is known only once the picker has run, before the level dialog.
    auto pickTileset = [this] {
        std::optional<std::string> chosen = ChooseTileset();
        return chosen && !chosen->empty();
    };
    RunOperation(
        [this] { return convert::ApplyTilesOperation(pickedTileset_, OptionValue(Option::CleanPalette)); },
        {.operation = TilesetOperation::ApplyTiles, .beforeDialog = pickTileset});
}
void MainWindow::SplitLevels() {
    RunOperation([this] { return convert::SplitTilesOperation(OptionValue(Option::CleanPalette)); });
}
void MainWindow::CreateBlankTileset() {
    RunSaveOperation({.dialogTitle = "Create blank tileset as:",
                      .filter = "Bitmap Files (*.bmp)|*.bmp",
                      .completion = "Blank tileset created.",
                      .job = {.routine = convert::MakeBlankTileset}});
}

// Info
void MainWindow::ViewComments() {
    RunWithControlsDisabled([this] { OpenFileComments(*this, *dialog_, this, 3, false, KeepOriginalNow()); });
}
void MainWindow::EditComments() {
    RunWithControlsDisabled([this] { OpenFileComments(*this, *dialog_, this, 3, true, KeepOriginalNow()); });
}
void MainWindow::WipeComments() { OpenFileComments(*this, *dialog_, this, -1, true, KeepOriginalNow()); }

std::function<bool()> MainWindow::KeepOriginalNow() const {
    return [this] { return OptionValue(Option::DontOverwriteFiles); };
}

void MainWindow::ShowAbout() {
    RunWithControlsDisabled([this] {
        About about(versionText_, this);
        about.exec();
    });
}

// The preview only reads its file, so it leaves the other controls alone.
void MainWindow::PreviewLevel() {
    std::string file =
        dialog_->OpenFile({"Level or map bitmap to preview:",
                           "Levels and Map Bitmaps (*.lvl;*.bmp)|*.lvl;*.bmp|All Files (*.*)|*.*"});
    if (!file.empty()) OpenPreview(file);
}

// Server
std::string MainWindow::PickCommentFile() {
    return cfgset::PickCommentFile([this](const std::string& title, const std::string& filter) {
        return dialog_->OpenFile({title, filter});
    });
}

void MainWindow::ConvertSetsToCfg() {
    RunOperation([this] { return cfgset::SetToCfgOperation(OptionValue(Option::IncludeDescriptions)); });
}
void MainWindow::ConvertCfgsToSet() {
    // The comment file is asked for after the files.
    auto pickCommentFile = [this] {
        commentFile_.clear();
        if (!OptionValue(Option::IncludeDescriptions)) return true;
        commentFile_ = PickCommentFile();
        return !commentFile_.empty();
    };
    RunOperation(
        [this] { return cfgset::CfgToSetOperation(commentFile_, OptionValue(Option::IncludeDescriptions)); },
        {.afterDialog = pickCommentFile});
}
void MainWindow::DescribeSets() {
    auto pickCommentFile = [this] {
        commentFile_ = PickCommentFile();
        return !commentFile_.empty();
    };
    RunOperation([this] { return cfgset::DescribeSetOperation(commentFile_); },
                 {.afterDialog = pickCommentFile});
}

}  // namespace vetra::ui
