// The main window's buttons through the real picker, WallTile editor, tileset editor and comments window.
#include "ui/secondarywindows.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "cli/clirun.h"
#include "convert/blankmap.h"
#include "support/levelfixtures.h"
#include "support/recordinghost.h"
#include "support/scratchdir.h"
#include "support/scripteddialog.h"
#include "tileset/selecttileset.h"
#include "tileset/tileseteditor.h"
#include "ui/commentswindow.h"
#include "ui/mainwindow.h"
#include "walltiles/walltileeditor.h"

using vetra::ConverterWallTiles;
using vetra::test::ScratchDir;
using vetra::ui::MainWindow;
using vetra::ui::ScriptedDialog;

namespace {

ConverterWallTiles SomeInstalledSet() {
    ConverterWallTiles set;
    set.definitions = {vetra::WallTileEntries{1, 2, 3}};
    set.diagonals = {false};
    return set;
}

void Press(QWidget& window, const char* name) {
    auto* button = window.findChild<QPushButton*>(QString::fromLatin1(name));
    QVERIFY2(button != nullptr, name);
    QTest::mouseClick(button, Qt::LeftButton);
}

// The main window with its secondary windows, and a user who answers whichever of them is showing while a
// button's handler waits in its modal loop.
struct Session {
    ScratchDir dir;
    MainWindow window;
    vetra::ui::SecondaryWindows* windows = new vetra::ui::SecondaryWindows(window);
    ScriptedDialog* dialogs = nullptr;

    std::deque<QString> picks;  // the files chosen in the picker, in order
    bool confirmWallTiles = false;
    std::deque<const char*> wallTileSteps;  // buttons pressed in the WallTile editor before OK or Cancel
    std::vector<std::string> wallTileEditorOpenedWith;
    std::vector<std::string> tilesetEditorSteps;  // the tileset editor's buttons, pressed one per showing
    int tilesetEditorActs = 0;
    std::vector<std::string> commentsShownFor;
    QTimer user;
    bool answering = false;

    Session() {
        auto scripted = std::make_unique<ScriptedDialog>();
        dialogs = scripted.get();
        window.SetFileDialog(std::move(scripted));  // after the windows were made: they follow the swap
        dir.Write("tiles.bmp", vetra::test::TilesetBitmap({.numbered = true}));
        dir.Write("other.bmp", vetra::test::PatternBitmap(304, 160));
        vetra::RecordingHost host;
        vetra::convert::MakeBlankMap(host, dir.File("map.bmp"));
        windows->Picker().SetDirectory(QString::fromStdString(dir.Path()));
        window.findChild<QCheckBox*>(QStringLiteral("Expert"))->click();
        user.setInterval(5);
        // A timer does not fire again while its own slot waits in a modal loop, so each answer goes through
        // a fresh single shot; one at a time.
        QObject::connect(&user, &QTimer::timeout, [this] {
            if (answering) return;
            answering = true;
            QTimer::singleShot(0, &user, [this] {
                answering = false;
                Act();
            });
        });
        user.start();
    }

    void Act() {
        vetra::walltiles::WallTileEditor& wallTiles = windows->WallTileEditorWindow();
        auto* comments = window.findChild<vetra::ui::CommentsWindow*>();
        if (wallTiles.isVisible()) {
            if (!wallTileSteps.empty()) {
                Press(wallTiles, wallTileSteps.front());
                wallTileSteps.pop_front();
                return;
            }
            wallTileEditorOpenedWith.push_back(wallTiles.TilesetFile());
            Press(wallTiles, confirmWallTiles ? "OK" : "Cancel");
        } else if (comments != nullptr && comments->isVisible()) {
            commentsShownFor.push_back(comments->CommentFile() + (comments->Editable() ? " editable" : ""));
            QTest::mouseClick(comments->Cancel(), Qt::LeftButton);
        } else if (windows->Picker().isVisible()) {
            ChooseInPicker();
        } else if (windows->TilesetEditorWindow().isVisible()) {
            ++tilesetEditorActs;
            std::string step = tilesetEditorSteps.empty() ? "Finished" : tilesetEditorSteps.front();
            if (!tilesetEditorSteps.empty()) tilesetEditorSteps.erase(tilesetEditorSteps.begin());
            Press(windows->TilesetEditorWindow(), step.c_str());
        }
    }

    void ChooseInPicker() {
        vetra::tileset::SelectTileset& picker = windows->Picker();
        if (picks.empty()) return Press(picker, "Cancel");
        auto* files = picker.findChild<QListWidget*>(QStringLiteral("File"));
        QList<QListWidgetItem*> items = files->findItems(picks.front(), Qt::MatchExactly);
        picks.pop_front();
        QVERIFY(!items.isEmpty());
        files->setCurrentItem(items.first());
        Press(picker, "OK");
    }
};

}  // namespace

class SecondaryWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void WallTileEditorOpensOnlyForWallTileOperations_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("opensWallTileEditor");
        QTest::addColumn<bool>("opensTilesetEditor");
        QTest::newRow("convert") << "cmdConvert" << true << false;
        QTest::newRow("deconvert") << "cmdDeconvert" << true << false;
        QTest::newRow("re-link") << "cmdFixLVL" << true << false;
        QTest::newRow("apply tiles") << "cmdApplyTileset" << false << false;
        QTest::newRow("edit tiles") << "cmdTileset" << false << true;
    }

    // A cancel in the WallTile editor is the picker's cancel: the batch ends before any file is processed.
    void WallTileEditorOpensOnlyForWallTileOperations() {
        QFETCH(QString, button);
        QFETCH(bool, opensWallTileEditor);
        QFETCH(bool, opensTilesetEditor);
        Session session;
        session.window.InstalledWallTiles() = SomeInstalledSet();
        session.picks = {QStringLiteral("tiles.bmp")};
        session.dialogs->QueueFiles({session.dir.File("map.bmp")});
        std::vector<std::string> before = session.dir.Names();
        Press(session.window, button.toLatin1().constData());

        std::string tileset = session.dir.File("tiles.bmp");
        QCOMPARE(session.wallTileEditorOpenedWith,
                 opensWallTileEditor ? std::vector<std::string>{tileset} : std::vector<std::string>{});
        QCOMPARE(session.window.PickedTileset(), opensWallTileEditor ? std::string() : tileset);
        QCOMPARE(session.window.InstalledWallTiles().Count(), opensWallTileEditor ? 0 : 1);
        if (opensWallTileEditor) {
            QVERIFY(session.window.SummaryWindow() == nullptr);
            QVERIFY(session.dialogs->Messages().empty());
        }
        QCOMPARE(session.dir.Names(), before);
        QCOMPARE(session.tilesetEditorActs > 0, opensTilesetEditor);
    }

    void ConfirmedWallTilesGoOnToTheConversion() {
        Session session;
        session.window.InstalledWallTiles() = SomeInstalledSet();
        session.picks = {QStringLiteral("tiles.bmp")};
        session.confirmWallTiles = true;
        session.dialogs->QueueFiles({session.dir.File("map.bmp")});
        Press(session.window, "cmdConvert");
        QCOMPARE(session.wallTileEditorOpenedWith.size(), std::size_t{1});
        // The editor installed its one blank WallTile in place of the earlier set.
        QCOMPARE(session.window.InstalledWallTiles().Count(), 1);
        QCOMPARE(session.window.InstalledWallTiles().definitions[0], vetra::WallTileEntries{});
        QVERIFY(session.window.SummaryWindow() != nullptr);
        std::vector<std::uint8_t> level = vetra::test::ReadBytes(session.dir.File("map.lvl"));
        std::vector<std::uint8_t> tileset = vetra::test::TilesetBitmap({.numbered = true});
        QVERIFY(level.size() >= tileset.size());  // the picked tileset at its head
        QVERIFY(std::equal(tileset.begin() + 1078, tileset.end(), level.begin() + 1078));
    }

    // The desktop program and the command line make the same level of the same files.
    void ConvertWithWallTilesMatchesTheCommandLine() {
        Session session;
        session.window.InstalledWallTiles() = SomeInstalledSet();
        std::string set = session.dir.Write(
            "set.wtd", std::string("WallTile#FFFFFF=0:0,0,0,0,0,0,0,0,0,0,0,0,9,0,8,7\r\n"));
        std::vector<std::uint8_t> map = vetra::test::ReadBytes(session.dir.File("map.bmp"));
        for (int x : {3, 4, 5, 9}) map[1078 + (1023 - 4) * 1024 + x] = 255;
        map[1078 + (1023 - 7) * 1024 + 2] = 30;
        std::string bitmap = session.dir.Write("walls.bmp", map);
        session.picks = {QStringLiteral("tiles.bmp")};
        session.confirmWallTiles = true;
        session.wallTileSteps = {"Load"};
        session.dialogs->QueueFiles({bitmap});
        session.dialogs->QueueFiles({set});
        Press(session.window, "cmdConvert");
        std::vector<std::uint8_t> desktop = vetra::test::ReadBytes(session.dir.File("walls.lvl"));

        ScratchDir shell;
        std::string copy = shell.Write("walls.bmp", map);
        vetra::test::CliRun run = vetra::test::RunCli(
            {"convert", "--walltiles", set, "--tileset", session.dir.File("tiles.bmp"), copy});
        QVERIFY2(run.status == 0, run.output.c_str());
        std::vector<std::uint8_t> commandLine = vetra::test::ReadBytes(shell.File("walls.lvl"));
        QVERIFY(desktop.size() > vetra::test::TilesetBitmap({.numbered = true}).size());
        QVERIFY(desktop == commandLine);
    }

    void TilesetEditorPicksThroughThePickerAndEditsComments() {
        Session session;
        session.window.InstalledWallTiles() = SomeInstalledSet();
        session.picks = {QStringLiteral("tiles.bmp"), QStringLiteral("other.bmp")};
        session.tilesetEditorSteps = {"New Source", "Save Custom", "Finished"};
        std::string saved = session.dir.File("custom.bmp");
        session.dialogs->QueueFiles({saved});
        Press(session.window, "cmdTileset");
        QVERIFY(session.wallTileEditorOpenedWith.empty());
        QVERIFY(session.picks.empty());
        QCOMPARE(session.commentsShownFor, std::vector<std::string>{saved + " editable"});
        // The custom tileset is the first source's: tile t filled with t.
        std::vector<std::uint8_t> written = vetra::test::ReadBytes(saved);
        std::vector<std::uint8_t> expected = vetra::test::TilesetBitmap({.numbered = true});
        QVERIFY(written.size() >= expected.size());
        QVERIFY(std::equal(expected.begin() + 1078, expected.end(), written.begin() + 1078));
        QVERIFY(!session.windows->TilesetEditorWindow().isVisible());
    }

    void ClosingTheMainWindowClosesThem() {
        Session session;
        session.window.InstalledWallTiles() = SomeInstalledSet();
        session.user.stop();
        session.windows->Picker().show();
        session.window.close();
        QVERIFY(!session.windows->Picker().isVisible());
    }
};

QTEST_MAIN(SecondaryWindowsTest)
#include "secondarywindows_test.moc"
