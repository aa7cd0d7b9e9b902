// The batch driver of the main window: every button's run goes through one of these.
#include <QCheckBox>

#include "ui/mainwindow.h"

namespace vetra::ui {
namespace {

// Runs a handler's body; an error outside the engine routines ends the run without a word, by design, and
// the title the engine may have left gets put back.
void Silently(UI& window, const std::function<void()>& body) {
    try {
        body();
    } catch (...) {
        window.RestoreTitle();
    }
}

}  // namespace

void UI::RunOperation(const BatchOperation& operation, const BatchSteps& steps) {
    DisableControls();
    Silently(*this, [&] {
        if (steps.operationCode != 0) currentOperation_ = steps.operationCode;
        if (steps.beforeDialog && !steps.beforeDialog()) return;
        std::vector<std::string> paths = dialog_->OpenFiles({operation.dialogTitle, operation.filter});
        if (paths.empty()) return;
        if (steps.afterDialog && !steps.afterDialog()) return;
        BatchReport report = RunBatch(*this, paths, operation.job);
        if (!operation.completion.empty()) MessageBox(operation.CompletionText(report));
    });
    EnableControls();
}

void UI::RunSaveOperation(const BatchOperation& operation) {
    DisableControls();
    Silently(*this, [&] {
        std::string path = dialog_->SaveFile({operation.dialogTitle, operation.filter});
        if (path.empty() || !operation.job.routine) return;
        if (operation.job.routine(path).succeeded) MessageBox(operation.completion);
    });
    EnableControls();
}

void UI::RunWithControlsDisabled(const std::function<void()>& body) {
    DisableControls();
    Silently(*this, body);
    EnableControls();
}

std::optional<std::string> UI::ChooseTileset() {
    pickedTileset_.clear();
    if (!tilesetPicker_) return pickedTileset_;
    std::optional<std::string> choice = tilesetPicker_();
    if (choice) pickedTileset_ = *choice;
    return choice;
}

std::function<bool()> UI::WallTilePickerStep() {
    return [this] { return !OptionValue(Option::UseWallTiles) || ChooseTileset().has_value(); };
}

}  // namespace vetra::ui
