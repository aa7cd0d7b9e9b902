// The batch driver of the main window: every button's run goes through one of these.
#include <QCheckBox>
#include <exception>

#include "ui/mainwindow.h"
#include "util/resultreport.h"

namespace vetra::ui {
namespace {

// Runs a handler's body. The engine reports its own failures in its results; anything else that goes wrong
// (a dialog, the memory running out) ends the run with a message saying what, and the title the engine may
// have left is put back.
void Reported(MainWindow& window, const std::function<void()>& body) {
    try {
        body();
    } catch (const std::exception& error) {
        window.RestoreTitle();
        window.MessageBox(std::string("The operation could not go on: ") + error.what());
    }
}

}  // namespace

void MainWindow::RunOperation(const OperationMaker& operation, const BatchSteps& steps) {
    DisableControls();
    Reported(*this, [&] {
        if (steps.operation != widgets::TilesetOperation::None) currentOperation_ = steps.operation;
        if (steps.beforeDialog && !steps.beforeDialog()) return;
        BatchOperation asked = operation();
        std::vector<std::string> paths = dialog_->OpenFiles({asked.dialogTitle, asked.filter});
        if (paths.empty()) return;
        if (steps.afterDialog && !steps.afterDialog()) return;
        BatchOperation ready = operation();
        BatchReport report = RunBatch(*this, paths, ready.job);
        if (!ready.completion.empty()) MessageBox(ready.CompletionText(report));
    });
    EnableControls();
}

void MainWindow::RunSaveOperation(const BatchOperation& operation) {
    DisableControls();
    Reported(*this, [&] {
        std::string path = dialog_->SaveFile({operation.dialogTitle, operation.filter});
        if (path.empty() || !operation.job.routine) return;
        FileResult result = operation.job.routine(*this, path);
        ReportOutcome(*this, result);
        if (result.Done()) MessageBox(operation.completion);
    });
    EnableControls();
}

void MainWindow::RunWithControlsDisabled(const std::function<void()>& body) {
    DisableControls();
    Reported(*this, body);
    EnableControls();
}

std::optional<std::string> MainWindow::ChooseTileset() {
    pickedTileset_.clear();
    if (!tilesetPicker_) return pickedTileset_;
    std::optional<std::string> choice = tilesetPicker_();
    if (choice) pickedTileset_ = *choice;
    return choice;
}

std::function<bool()> MainWindow::WallTilePickerStep() {
    return [this] { return !OptionValue(Option::UseWallTiles) || ChooseTileset().has_value(); };
}

}  // namespace vetra::ui
