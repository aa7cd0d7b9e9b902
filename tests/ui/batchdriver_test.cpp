#include <QCheckBox>
#include <QPushButton>
#include <QTabBar>
#include <QtTest>
#include <stdexcept>

#include "support/scratchdir.h"
#include "ui/mainwindow.h"
#include "support/scripteddialog.h"

using vetra::BatchOperation;
using vetra::FileResult;
using vetra::Progress;
using vetra::ui::BatchSteps;
using vetra::ui::MainWindow;
using vetra::ui::ScriptedDialog;

namespace {

const QStringList kDisabledDuringRun = {
    "cmdAbout", "cmdTileset", "cmdMakeBMP", "cmdMakeTileset", "cmdFixLVL", "cmdConvert", "cmdApplyTileset",
    "cmdSplitLevel", "cmdDeconvert", "Clean", "cmdDescSet", "cmdCfg2Set", "cmdSet2Cfg", "Comments", "Expert",
    "cmdGetInfo", "cmdPutInfo", "cmdDelInfo", "cmdMergeLvls", "cmdDiffLvls"};

// A window with a scripted dialog that the test keeps a handle on.
struct Fixture {
    MainWindow window;
    ScriptedDialog* dialog;

    Fixture() {
        auto scripted = std::make_unique<ScriptedDialog>();
        dialog = scripted.get();
        window.SetFileDialog(std::move(scripted));
        window.show();
    }

    QStringList SummaryLines() const {
        if (!window.SummaryWindow()) return {};
        return window.SummaryWindow()->Text().split('\n', Qt::SkipEmptyParts);
    }

    // Names of the listed controls that are enabled, the tab strip as "TabStrip".
    QStringList Enabled() const {
        QStringList names;
        for (const QString& name : kDisabledDuringRun)
            if (window.findChild<QWidget*>(name)->isEnabled()) names << name;
        if (window.findChild<QTabBar*>("TabStrip")->isEnabled()) names << "TabStrip";
        return names;
    }
};

BatchOperation Deconversion(std::vector<std::string>* seen) {
    return {.dialogTitle = "File(s) to deconvert:",
            .filter = "SubSpace Levels (*.lvl)|*.lvl",
            .completion = "Deconversion complete.",
            .countWord = " deconverted.",
            .job = {.extension = ".lvl", .routine = [seen](Progress&, const std::string& path) {
                        seen->push_back(path);
                        return FileResult{path};
                    }}};
}

// The operation as the window makes it once its dialogs are answered.
MainWindow::OperationMaker Made(BatchOperation operation) {
    return [operation] { return operation; };
}

}  // namespace

class BatchDriverTest : public QObject {
    Q_OBJECT
private slots:
    void batchOverThreeFiles() {
        Fixture f;
        std::vector<std::string> seen;
        f.dialog->QueueFiles({"/maps/a.lvl", "/maps/b.bmp", "/maps/MAP.LVL"});
        f.window.RunOperation(Made(Deconversion(&seen)),
                              {.operation = vetra::widgets::TilesetOperation::Deconvert});

        QCOMPARE(f.dialog->Requests().size(), std::size_t(1));
        QCOMPARE(f.dialog->Requests()[0].kind, ScriptedDialog::Kind::OpenFiles);
        QCOMPARE(f.dialog->Requests()[0].request.title, std::string("File(s) to deconvert:"));
        QCOMPARE(f.dialog->Requests()[0].request.filter, std::string("SubSpace Levels (*.lvl)|*.lvl"));
        QCOMPARE(f.dialog->Requests()[0].request.filterIndex, 1);
        QCOMPARE(seen, (std::vector<std::string>{"/maps/a.lvl", "/maps/MAP.LVL"}));
        QCOMPARE(f.SummaryLines(), (QStringList{"(1/3) Processing file: /maps/a.lvl",
                                                "(2/3) Processing file: /maps/b.bmp", "Error: /maps/b.bmp",
                                                " is not a .lvl file.", "(3/3) Processing file: /maps/MAP.LVL"}));
        QCOMPARE(f.dialog->Messages(),
                 std::vector<std::string>{
                     "Deconversion complete.\r\n\r\n2 deconverted.\r\n1 could not be deconverted."});
        QCOMPARE(f.window.CurrentOperation(), vetra::widgets::TilesetOperation::Deconvert);
        QCOMPARE(f.Enabled().size(), kDisabledDuringRun.size());  // all but Re-Link, plus the tab strip
        QVERIFY(f.window.SummaryWindow()->isVisible());
    }

    void noCompletionTextNoMessage() {
        Fixture f;
        std::vector<std::string> seen;
        BatchOperation operation = Deconversion(&seen);
        operation.completion.clear();
        f.dialog->QueueFiles({"/a.lvl"});
        f.window.RunOperation(Made(operation));
        QCOMPARE(seen.size(), std::size_t(1));
        QVERIFY(f.dialog->Messages().empty());
    }

    void cancelledDialogChangesNothing() {
        Fixture f;
        std::vector<std::string> seen;
        f.window.findChild<QCheckBox*>("Expert")->setChecked(true);
        f.window.EnableControls();
        QStringList before = f.Enabled();
        f.window.ClearText();
        f.window.AddText("earlier line");
        f.dialog->QueueCancel();
        f.window.RunOperation(Made(Deconversion(&seen)));
        QVERIFY(seen.empty());
        QCOMPARE(f.SummaryLines(), QStringList{"earlier line"});
        QVERIFY(f.dialog->Messages().empty());
        QCOMPARE(f.Enabled(), before);
    }

    void controlsAreDisabledDuringTheRun() {
        Fixture f;
        QStringList enabledInRoutine;
        bool roCommentsUsable = false;
        BatchOperation operation = Deconversion(nullptr);
        operation.job.routine = [&](Progress&, const std::string& path) {
            enabledInRoutine = f.Enabled();
            roCommentsUsable = f.window.findChild<QCheckBox*>("ROComments")->isEnabled();
            return FileResult{path};
        };
        QStringList enabledInMessage;
        f.dialog->OnMessage([&](const std::string&) { enabledInMessage = f.Enabled(); });
        f.dialog->QueueFiles({"/a.lvl"});
        f.window.RunOperation(Made(operation));
        QCOMPARE(enabledInRoutine, QStringList());
        QCOMPARE(enabledInMessage, QStringList());
        QVERIFY(roCommentsUsable);
        QVERIFY(f.Enabled().contains("TabStrip"));
    }

    void anUnexpectedErrorIsReportedWithItsFile() {
        Fixture f;
        int calls = 0;
        BatchOperation operation = Deconversion(nullptr);
        operation.job.routine = [&](Progress& progress, const std::string& path) -> FileResult {
            ++calls;
            progress.SetTitle("Deconverting...");
            if (path == "/a.lvl") throw std::runtime_error("out of the blue");
            progress.RestoreTitle();
            return FileResult{path};
        };
        f.dialog->QueueFiles({"/a.lvl", "/b.lvl"});
        f.window.RunOperation(Made(operation));
        QCOMPARE(calls, 2);
        QCOMPARE(f.dialog->Messages(),
                 (std::vector<std::string>{
                     "Could not process /a.lvl: out of the blue.",
                     "Deconversion complete.\r\n\r\n1 deconverted.\r\n1 could not be deconverted."}));
        QCOMPARE(f.Enabled().size(), kDisabledDuringRun.size());
        QVERIFY(f.window.windowTitle().startsWith("VETRA - "));
    }

    void stepsAroundTheDialog() {
        Fixture f;
        std::vector<std::string> seen;
        QStringList order;
        BatchSteps steps{vetra::widgets::TilesetOperation::ApplyTiles,
                         [&] {
                             order << "before";
                             return true;
                         },
                         [&] {
                             order << "after";
                             return false;
                         }};
        f.dialog->QueueFiles({"/a.lvl"});
        f.window.RunOperation(Made(Deconversion(&seen)), steps);
        QCOMPARE(order, (QStringList{"before", "after"}));
        QVERIFY(seen.empty());
        QVERIFY(f.dialog->Messages().empty());
        QCOMPARE(f.window.CurrentOperation(), vetra::widgets::TilesetOperation::ApplyTiles);

        steps.beforeDialog = [] { return false; };
        f.window.RunOperation(Made(Deconversion(&seen)), steps);
        QCOMPARE(f.dialog->Requests().size(), std::size_t(1));  // no second dialog
    }

    void wallTilePickerRunsOnlyWithWallTiles() {
        Fixture f;
        int pickerRuns = 0;
        std::optional<std::string> answer;
        f.window.SetTilesetPicker([&] {
            ++pickerRuns;
            return answer;
        });
        std::vector<std::string> seen;
        f.dialog->QueueFiles({"/a.lvl"});
        f.window.RunOperation(Made(Deconversion(&seen)),
                              {.operation = vetra::widgets::TilesetOperation::Deconvert,
                               .afterDialog = f.window.WallTilePickerStep()});
        QCOMPARE(pickerRuns, 0);
        QCOMPARE(seen.size(), std::size_t(1));

        f.window.findChild<QCheckBox*>("Expert")->setChecked(true);
        f.dialog->QueueFiles({"/b.lvl"});
        f.window.RunOperation(Made(Deconversion(&seen)),
                              {.operation = vetra::widgets::TilesetOperation::Deconvert,
                               .afterDialog = f.window.WallTilePickerStep()});
        QCOMPARE(pickerRuns, 1);
        QCOMPARE(seen.size(), std::size_t(1));  // cancelled picker: nothing processed

        answer = "/tiles/t.bmp";
        f.dialog->QueueFiles({"/c.lvl"});
        f.window.RunOperation(Made(Deconversion(&seen)),
                              {.operation = vetra::widgets::TilesetOperation::Deconvert,
                               .afterDialog = f.window.WallTilePickerStep()});
        QCOMPARE(seen.size(), std::size_t(2));
        QCOMPARE(f.window.PickedTileset(), std::string("/tiles/t.bmp"));
    }

    void saveOperation() {
        Fixture f;
        std::vector<std::string> written;
        bool succeed = true;
        BatchOperation operation{.dialogTitle = "Create blank tileset as:",
                                 .filter = "Bitmap Files (*.bmp)|*.bmp",
                                 .completion = "Blank tileset created."};
        operation.job.routine = [&](Progress&, const std::string& path) {
            written.push_back(path);
            return succeed ? FileResult{path, vetra::FileStatus::Done, {path}, {}}
                           : FileResult{path, vetra::FileStatus::Failed};
        };
        f.dialog->QueueCancel();
        f.window.RunSaveOperation(operation);
        f.dialog->QueueFiles({"/t.bmp"});
        f.window.RunSaveOperation(operation);
        succeed = false;
        f.dialog->QueueFiles({"/u.bmp"});
        f.window.RunSaveOperation(operation);
        QCOMPARE(written, (std::vector<std::string>{"/t.bmp", "/u.bmp"}));
        QCOMPARE(f.dialog->Requests()[1].kind, ScriptedDialog::Kind::SaveFile);
        QCOMPARE(f.dialog->Messages(), std::vector<std::string>{"Blank tileset created."});
        QCOMPARE(f.Enabled().size(), kDisabledDuringRun.size());
    }

    void editTiles() {
        Fixture f;
        std::optional<std::string> answer = "";
        QStringList opened;
        f.window.SetTilesetPicker([&] { return answer; });
        f.window.SetTilesetEditor([&](const std::string& file) { opened << QString::fromStdString(file); });
        auto* button = f.window.findChild<QPushButton*>("cmdTileset");
        f.window.findChild<QTabBar*>("TabStrip")->setCurrentIndex(1);
        QTest::mouseClick(button, Qt::LeftButton);  // no file chosen
        answer.reset();
        QTest::mouseClick(button, Qt::LeftButton);  // cancelled
        answer = "/tiles/t.bmp";
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(opened, QStringList{"/tiles/t.bmp"});
        QCOMPARE(f.window.CurrentOperation(), vetra::widgets::TilesetOperation::EditTiles);
        QVERIFY(button->isEnabled());
    }

    void newTilesButtonWritesABlankTileset() {
        Fixture f;
        vetra::test::ScratchDir scratch;
        std::string path = scratch.File("blank.bmp");
        f.dialog->QueueFiles({path});
        f.window.findChild<QTabBar*>("TabStrip")->setCurrentIndex(1);
        QTest::mouseClick(f.window.findChild<QPushButton*>("cmdMakeTileset"), Qt::LeftButton);
        QCOMPARE(f.dialog->Requests()[0].request.title, std::string("Create blank tileset as:"));
        QCOMPARE(vetra::test::ReadBytes(path).size(), std::size_t(49718));
        QCOMPARE(f.dialog->Messages(), std::vector<std::string>{"Blank tileset created."});
    }

    void summaryClosedDuringTheRun() {
        Fixture f;
        BatchOperation operation = Deconversion(nullptr);
        operation.job.routine = [&](Progress&, const std::string& path) {
            f.window.SummaryWindow()->close();
            f.window.AddText("written after the close");
            return FileResult{path};
        };
        f.dialog->QueueFiles({"/a.lvl", "/b.lvl"});
        f.window.RunOperation(Made(operation));
        QCOMPARE(f.dialog->Messages().size(), std::size_t(1));
        QTRY_VERIFY(f.window.SummaryWindow() == nullptr);
        std::vector<std::string> seen;
        f.dialog->QueueFiles({"/c.lvl"});
        f.window.RunOperation(Made(Deconversion(&seen)));
        QCOMPARE(f.SummaryLines(), QStringList{"(1/1) Processing file: /c.lvl"});
    }

    void twoBatchesStartEmpty() {
        Fixture f;
        std::vector<std::string> seen;
        f.dialog->QueueFiles({"/a.lvl", "/b.lvl"});
        f.window.RunOperation(Made(Deconversion(&seen)));
        f.dialog->QueueFiles({"/c.lvl"});
        f.window.RunOperation(Made(Deconversion(&seen)));
        QCOMPARE(f.SummaryLines(), QStringList{"(1/1) Processing file: /c.lvl"});
    }
};

QTEST_MAIN(BatchDriverTest)
#include "batchdriver_test.moc"
