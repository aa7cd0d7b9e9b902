// The main window's button handlers. An engine's button is one line here: its operation handed to the batch
// driver, as in RunOperation(DeconvertOperation(*this), {2, {}, WallTilePickerStep()}).
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
    auto applyPicked = [this](Host& host, const std::string& level) {
        if (!OptionValue(Option::UseWallTiles) || pickedTileset_.empty()) return Outcome::Done();
        return Convert::ApplyTileset(host, level, pickedTileset_, true);
    };
    RunOperation(Convert::ConvertOperation(*this, applyPicked), {1, {}, WallTilePickerStep()});
}
void UI::cmdFixLVL_Click() { RunOperation(Convert::ReLinkOperation(*this), {4, {}, WallTilePickerStep()}); }
void UI::cmdMergeLvls_Click() {
    auto overlay = std::make_shared<std::string>();
    auto chooseOverlay = [this, overlay] {
        *overlay = dialog_->OpenFile({Convert::kOverlayDialogTitle, Convert::kLevelFilter});
        return FileNameExt::HasExtension(*overlay, ".lvl");
    };
    RunOperation(Convert::OverlayOperation(*this, overlay), {0, chooseOverlay, {}});
}
void UI::cmdDeconvert_Click() {
    RunOperation(Convert::DeconvertOperation(*this), {2, {}, WallTilePickerStep()});
}
void UI::cmdMakeBMP_Click() {
    BatchOperation operation{"Create blank map .bmp as:",
                             "Bitmap Files (*.bmp)|*.bmp",
                             "Blank map bitmap created.",
                             "",
                             false,
                             {}};
    operation.job.routine = [this](const std::string& path) { return Convert::MakeBlankMap(*this, path); };
    RunSaveOperation(operation);
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
    BatchOperation operation = Convert::ApplyTilesOperation(*this, {});
    // The tileset is known only once the picker has run, before the level dialog.
    operation.job.routine = [this](const std::string& level) {
        return Convert::ApplyTileset(*this, level, pickedTileset_, false);
    };
    auto pickTileset = [this] {
        std::optional<std::string> chosen = ChooseTileset();
        return chosen && !chosen->empty();
    };
    RunOperation(operation, {3, pickTileset, {}});
}
void UI::cmdSplitLevel_Click() { RunOperation(Convert::SplitTilesOperation(*this)); }
void UI::cmdMakeTileset_Click() {
    BatchOperation operation{
        "Create blank tileset as:", "Bitmap Files (*.bmp)|*.bmp", "Blank tileset created.", "", false, {}};
    operation.job.routine = [this](const std::string& path) {
        return Convert::MakeBlankTileset(*this, path);
    };
    RunSaveOperation(operation);
}

// Info
void UI::cmdGetInfo_Click() {
    RunWithControlsDisabled([this] { FileInfo(*this, *dialog_, this, 3, false); });
}
void UI::cmdPutInfo_Click() {
    RunWithControlsDisabled([this] { FileInfo(*this, *dialog_, this, 3, true); });
}
void UI::cmdDelInfo_Click() { FileInfo(*this, *dialog_, this, -1, true); }

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

void UI::cmdSet2Cfg_Click() { RunOperation(CfgSet::Set2CfgOperation(*this)); }
void UI::cmdCfg2Set_Click() {
    // The comment file is asked for after the files, so the job is made again once it is known.
    BatchOperation operation = CfgSet::Cfg2SetOperation(*this, {});
    auto pickCommentFile = [this, &operation] {
        if (!OptionValue(Option::IncludeDescriptions)) return true;
        std::string commentFile = PickCommentFile();
        operation.job = CfgSet::Cfg2SetOperation(*this, commentFile).job;
        return !commentFile.empty();
    };
    RunOperation(operation, {0, {}, pickCommentFile});
}
void UI::cmdDescSet_Click() {
    BatchOperation operation = CfgSet::DescSetOperation(*this, {});
    auto pickCommentFile = [this, &operation] {
        std::string commentFile = PickCommentFile();
        operation.job = CfgSet::DescSetOperation(*this, commentFile).job;
        return !commentFile.empty();
    };
    RunOperation(operation, {0, {}, pickCommentFile});
}

}  // namespace vetra::ui
