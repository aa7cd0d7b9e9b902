// Each engine button of the main window, clicked with scripted dialogs over real files.
#include <QCheckBox>
#include <QPushButton>
#include <QtTest>

#include "convert/blankmap.h"
#include "support/levelfixtures.h"
#include "support/recordinghost.h"
#include "support/scratchdir.h"
#include "support/scripteddialog.h"
#include "ui/mainwindow.h"

using vetra::test::ScratchDir;
using vetra::ui::MainWindow;
using vetra::ui::ScriptedDialog;

namespace {

// The folder every button works in: a plain level, a level with a tileset, a tileset, a map bitmap and
// server settings.
void WriteInputs(const ScratchDir& dir) {
    const std::vector<vetra::TileRecord> records = {{0, 0, 1}, {1, 1, 2}, {2, 2, 3}};
    vetra::Bytes tileset = vetra::test::TilesetBitmap({.numbered = true});
    dir.Write("arena.lvl", vetra::test::RecordBytes(records));
    dir.Write("tiled.lvl", vetra::test::LevelBytes(tileset, records));
    dir.Write("tiles.bmp", tileset);
    vetra::RecordingHost host;
    vetra::convert::MakeBlankMap(host, dir.File("map.bmp"));
    dir.Write("server.cfg", std::string("[Misc]\r\nWarpRadius=40\r\n"));
    dir.Write("zone.set", std::string("Misc:WarpRadius:40:0:100:How far a warp goes\r\n"));
    dir.Write("template.sss", std::string("Misc:WarpRadius:40:0:100:How far a warp goes\r\n"));
}

QStringList Names(const ScratchDir& dir) {
    QStringList names;
    for (const std::string& name : dir.Names()) names << QString::fromStdString(name);
    return names;
}

}  // namespace

class ButtonsTest : public QObject {
    Q_OBJECT
private slots:
    void runsItsOperation_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("useWallTiles");
        QTest::addColumn<bool>("descriptions");
        QTest::addColumn<QString>("picked");       // "-" for a cancelled picker
        QTest::addColumn<QStringList>("dialogs");  // one file per dialog, in order; "" cancels
        QTest::addColumn<QStringList>("created");
        QTest::addColumn<QString>("message");

        QTest::newRow("deconvert") << "cmdDeconvert" << false << false << "" << QStringList{"arena.lvl"}
                                   << QStringList{"arena-m.bmp"}
                                   << "Deconversion complete.\r\n\r\n1 deconverted.";
        QTest::newRow("deconvert, picker cancelled")
            << "cmdDeconvert" << true << false << "-" << QStringList{"arena.lvl"} << QStringList{} << "";
        QTest::newRow("re-link") << "cmdFixLVL" << true << false << "" << QStringList{"tiled.lvl"}
                                 << QStringList{"tiled-0.lvl"} << "";
        QTest::newRow("new map") << "cmdMakeBMP" << false << false << "" << QStringList{"blank.bmp"}
                                 << QStringList{"blank.bmp"} << "Blank map bitmap created.";
        QTest::newRow("convert, tileset put at the head")
            << "cmdConvert" << true << false << "tiles.bmp" << QStringList{"map.bmp"}
            << QStringList{"map.lvl"} << "Conversion completed.\r\n\r\n1 converted.";
        QTest::newRow("apply tiles") << "cmdApplyTileset" << false << false << "tiles.bmp"
                                     << QStringList{"arena.lvl"} << QStringList{"arena-0.lvl"}
                                     << "Tileset application complete.\r\n\r\n1 processed.";
        QTest::newRow("apply tiles, picker cancelled")
            << "cmdApplyTileset" << false << false << "-" << QStringList{} << QStringList{} << "";
        QTest::newRow("split tiles") << "cmdSplitLevel" << false << false << "" << QStringList{"tiled.lvl"}
                                     << QStringList{"tiled-s.bmp", "tiled-s.lvl"}
                                     << "Level split completed.\r\n\r\n1 processed.";
        QTest::newRow(".set->.cfg") << "cmdSet2Cfg" << false << false << "" << QStringList{"zone.set"}
                                    << QStringList{"zone.cfg"} << "Processing complete.\r\n\r\n1 processed.";
        QTest::newRow(".cfg->.set") << "cmdCfg2Set" << false << false << "" << QStringList{"server.cfg"}
                                    << QStringList{"server.set"}
                                    << "Processing complete.\r\n\r\n1 processed.";
        QTest::newRow(".cfg->.set with descriptions")
            << "cmdCfg2Set" << false << true << "" << QStringList{"server.cfg", "template.sss"}
            << QStringList{"server.set"} << "Processing complete.\r\n\r\n1 processed.";
        QTest::newRow(".cfg->.set, comment file cancelled")
            << "cmdCfg2Set" << false << true << "" << QStringList{"server.cfg", ""} << QStringList{} << "";
        QTest::newRow("describe") << "cmdDescSet" << false << false << ""
                                  << QStringList{"zone.set", "template.sss"} << QStringList{"zone-0.set"}
                                  << "Processing complete.\r\n\r\n1 processed.";
        QTest::newRow("describe, not a comment file")
            << "cmdDescSet" << false << false << "" << QStringList{"zone.set", "arena.lvl"} << QStringList{}
            << "";
    }

    void runsItsOperation() {
        QFETCH(QString, button);
        QFETCH(bool, useWallTiles);
        QFETCH(bool, descriptions);
        QFETCH(QString, picked);
        QFETCH(QStringList, dialogs);
        QFETCH(QStringList, created);
        QFETCH(QString, message);

        ScratchDir dir;
        WriteInputs(dir);
        QStringList before = Names(dir);
        std::vector<std::vector<std::uint8_t>> inputs;
        for (const QString& name : before)
            inputs.push_back(vetra::test::ReadBytes(dir.File(name.toStdString())));
        MainWindow window;
        auto scripted = std::make_unique<ScriptedDialog>();
        ScriptedDialog* dialog = scripted.get();
        window.SetFileDialog(std::move(scripted));
        for (const QString& name : dialogs) {
            if (name.isEmpty())
                dialog->QueueCancel();
            else
                dialog->QueueFiles({dir.File(name.toStdString())});
        }
        window.SetTilesetPicker([&]() -> std::optional<std::string> {
            if (picked == "-") return std::nullopt;
            return picked.isEmpty() ? std::string() : dir.File(picked.toStdString());
        });
        // Clicked, not set, so that Re-Link follows the box as it does for the user.
        if (useWallTiles) window.findChild<QCheckBox*>("Expert")->click();
        window.findChild<QCheckBox*>("Comments")->setChecked(descriptions);
        window.findChild<QPushButton*>(button)->click();

        QStringList added;
        for (const QString& name : Names(dir))
            if (!before.contains(name)) added << name;
        QVERIFY2(added == created, qPrintable(added.join(",")));
        QCOMPARE(QString::fromStdString(dialog->Messages().empty() ? "" : dialog->Messages().back()),
                 message);
        for (qsizetype i = 0; i < before.size(); ++i)
            QVERIFY2(vetra::test::ReadBytes(dir.File(before[i].toStdString())) ==
                         inputs[static_cast<std::size_t>(i)],
                     qPrintable(before[i]));
    }

    void convertPutsThePickedTilesetAtTheHead() {
        ScratchDir dir;
        WriteInputs(dir);
        MainWindow window;
        auto scripted = std::make_unique<ScriptedDialog>();
        scripted->QueueFiles({dir.File("map.bmp")});
        window.SetFileDialog(std::move(scripted));
        window.SetTilesetPicker([&]() -> std::optional<std::string> { return dir.File("tiles.bmp"); });
        window.findChild<QCheckBox*>("Expert")->setChecked(true);
        window.findChild<QPushButton*>("cmdConvert")->click();
        QCOMPARE(vetra::test::ReadBytes(dir.File("map.lvl")), vetra::test::ReadBytes(dir.File("tiles.bmp")));
    }
};

QTEST_MAIN(ButtonsTest)
#include "buttons_test.moc"
