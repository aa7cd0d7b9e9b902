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

void UI::ConnectButtons() {
    const std::pair<const char*, void (UI::*)()> handlers[] = {
        {"cmdConvert", &UI::cmdConvert_Click},       {"cmdFixLVL", &UI::cmdFixLVL_Click},
        {"cmdMergeLvls", &UI::cmdMergeLvls_Click},   {"cmdDeconvert", &UI::cmdDeconvert_Click},
        {"cmdMakeBMP", &UI::cmdMakeBMP_Click},       {"cmdDiffLvls", &UI::cmdDiffLvls_Click},
        {"cmdTileset", &UI::cmdTileset_Click},       {"cmdApplyTileset", &UI::cmdApplyTileset_Click},
        {"cmdSplitLevel", &UI::cmdSplitLevel_Click}, {"cmdMakeTileset", &UI::cmdMakeTileset_Click},
        {"cmdGetInfo", &UI::cmdGetInfo_Click},       {"cmdPutInfo", &UI::cmdPutInfo_Click},
        {"cmdDelInfo", &UI::cmdDelInfo_Click},       {"cmdAbout", &UI::cmdAbout_Click},
        {"cmdSet2Cfg", &UI::cmdSet2Cfg_Click},       {"cmdCfg2Set", &UI::cmdCfg2Set_Click},
        {"cmdDescSet", &UI::cmdDescSet_Click},
    };
    for (const auto& [name, handler] : handlers) connect(Button(name), &QPushButton::clicked, this, handler);
    connect(Box("Expert"), &QCheckBox::clicked, this, &UI::Expert_Click);
}

// Maps
void UI::cmdConvert_Click() {
    // With WallTiles in use, the tileset chosen in the picker goes at the head of every new level.
    RunOperation(
        [this] {
            bool useWallTiles = OptionValue(Option::UseWallTiles);
            return Convert::ConvertOperation({.wallTiles = WallTilesInUse(),
                                              .tileset = useWallTiles ? pickedTileset_ : std::string(),
                                              .cleanPalette = OptionValue(Option::CleanPalette)});
        },
        {1, {}, WallTilePickerStep()});
}
void UI::cmdFixLVL_Click() {
    RunOperation(
        [this] {
            return Convert::ReLinkOperation(
                {.wallTiles = WallTilesInUse(), .cleanPalette = OptionValue(Option::CleanPalette)});
        },
        {4, {}, WallTilePickerStep()});
}
void UI::cmdMergeLvls_Click() {
    auto chooseOverlay = [this] {
        overlay_ = dialog_->OpenFile({Convert::kOverlayDialogTitle, Convert::kLevelFilter});
        return FileNameExt::HasExtension(overlay_, ".lvl");
    };
    RunOperation([this] { return Convert::OverlayOperation(overlay_); }, {0, chooseOverlay, {}});
}
void UI::cmdDeconvert_Click() {
    RunOperation(
        [this] {
            return Convert::DeconvertOperation(
                {.wallTiles = WallTilesInUse(), .cleanPalette = OptionValue(Option::CleanPalette)});
        },
        {2, {}, WallTilePickerStep()});
}
void UI::cmdMakeBMP_Click() {
    RunSaveOperation({.dialogTitle = "Create blank map .bmp as:",
                      .filter = "Bitmap Files (*.bmp)|*.bmp",
                      .completion = "Blank map bitmap created.",
                      .job = {.routine = Convert::MakeBlankMap}});
}
void UI::cmdDiffLvls_Click() {
    RunWithControlsDisabled([this] {
        std::string unaltered = dialog_->OpenFile({Convert::kUnalteredDialogTitle, Convert::kLevelFilter});
        if (!FileNameExt::HasExtension(unaltered, ".lvl")) return;
        std::string edited = dialog_->OpenFile({Convert::kEditedDialogTitle, Convert::kLevelFilter});
        if (!FileNameExt::HasExtension(edited, ".lvl")) return;
        Convert::DiffLevels(*this, unaltered, edited);
    });
}

// Tiles
void UI::cmdTileset_Click() {
    RunWithControlsDisabled([this] {
        currentOperation_ = 5;
        std::optional<std::string> file = ChooseTileset();
        if (file && !file->empty() && tilesetEditor_) tilesetEditor_(*file);
    });
}

void UI::cmdApplyTileset_Click() {
    // The tileset is known only once the picker has run, before the level dialog.
    auto pickTileset = [this] {
        std::optional<std::string> chosen = ChooseTileset();
        return chosen && !chosen->empty();
    };
    RunOperation([this] { return Convert::ApplyTilesOperation(pickedTileset_, OptionValue(Option::CleanPalette)); },
                 {3, pickTileset, {}});
}
void UI::cmdSplitLevel_Click() {
    RunOperation([this] { return Convert::SplitTilesOperation(OptionValue(Option::CleanPalette)); });
}
void UI::cmdMakeTileset_Click() {
    RunSaveOperation({.dialogTitle = "Create blank tileset as:",
                      .filter = "Bitmap Files (*.bmp)|*.bmp",
                      .completion = "Blank tileset created.",
                      .job = {.routine = Convert::MakeBlankTileset}});
}

// Info
void UI::cmdGetInfo_Click() {
    RunWithControlsDisabled([this] { FileInfo(*this, *dialog_, this, 3, false, KeepOriginalNow()); });
}
void UI::cmdPutInfo_Click() {
    RunWithControlsDisabled([this] { FileInfo(*this, *dialog_, this, 3, true, KeepOriginalNow()); });
}
void UI::cmdDelInfo_Click() { FileInfo(*this, *dialog_, this, -1, true, KeepOriginalNow()); }

std::function<bool()> UI::KeepOriginalNow() const {
    return [this] { return OptionValue(Option::DontOverwriteFiles); };
}

void UI::cmdAbout_Click() {
    RunWithControlsDisabled([this] {
        About about(versionText_, this);
        about.exec();
    });
}

// Server
std::string UI::PickCommentFile() {
    return CfgSet::PickCommentFile([this](const std::string& title, const std::string& filter) {
        return dialog_->OpenFile({title, filter});
    });
}

void UI::cmdSet2Cfg_Click() {
    RunOperation([this] { return CfgSet::Set2CfgOperation(OptionValue(Option::IncludeDescriptions)); });
}
void UI::cmdCfg2Set_Click() {
    // The comment file is asked for after the files.
    auto pickCommentFile = [this] {
        commentFile_.clear();
        if (!OptionValue(Option::IncludeDescriptions)) return true;
        commentFile_ = PickCommentFile();
        return !commentFile_.empty();
    };
    RunOperation(
        [this] { return CfgSet::Cfg2SetOperation(commentFile_, OptionValue(Option::IncludeDescriptions)); },
        {0, {}, pickCommentFile});
}
void UI::cmdDescSet_Click() {
    auto pickCommentFile = [this] {
        commentFile_ = PickCommentFile();
        return !commentFile_.empty();
    };
    RunOperation([this] { return CfgSet::DescSetOperation(commentFile_); }, {0, {}, pickCommentFile});
}

}  // namespace vetra::ui
