// The WallTile editor's Load takes the WallTile sets a map editor kept in a level.
#include <QTest>
#include <QWidget>

#include "formats/level.h"
#include "support/elvllevel.h"
#include "support/recordinghost.h"
#include "support/scratchdir.h"
#include "support/scripteddialog.h"
#include "walltiles/walltileeditor.h"

namespace {

// An 8-bit 304 x 160 tileset of zero pixels: the editor only needs one to show.
std::vector<std::uint8_t> PlainTileset() {
    std::vector<std::uint8_t> bytes(54 + 1024 + 304 * 160, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    vetra::WriteU32(&bytes[2], static_cast<std::uint32_t>(bytes.size()));
    vetra::WriteU32(&bytes[10], 54 + 1024);
    vetra::WriteU32(&bytes[14], 40);
    vetra::WriteU32(&bytes[18], 304);
    vetra::WriteU32(&bytes[22], 160);
    vetra::WriteU16(&bytes[26], 1);
    vetra::WriteU16(&bytes[28], 8);
    return bytes;
}

}  // namespace

class WallTileEditorLevelTest : public QObject {
    Q_OBJECT
private slots:
    void LoadTakesTheSetsOfALevel();
};

void WallTileEditorLevelTest::LoadTakesTheSetsOfALevel() {
    vetra::test::ScratchDir dir;
    vetra::RecordingHost host;
    vetra::ui::ScriptedDialog dialogs;
    vetra::ConverterWallTiles installed;
    vetra::walltiles::WallTileEditor window{host, dialogs, installed, QStringLiteral("VETRA-test")};
    window.SetTilesetFile(dir.Write("tiles.bmp", PlainTileset()));
    window.show();
    QWidget* load = window.findChild<QWidget*>(QStringLiteral("Load"));
    QVERIFY(load != nullptr);

    using vetra::test::DcwtChunk;
    using vetra::test::TileRun;
    dialogs.QueueFiles(
        {dir.Write("walls.lvl", vetra::test::ElvlLevel({DcwtChunk(TileRun(1)), DcwtChunk(TileRun(21))}))});
    QTest::mouseClick(load, Qt::LeftButton);
    QCOMPARE(dialogs.Requests().back().request.filter,
             std::string("WallTile definition files (*.wtd)|*.wtd|Levels (*.lvl)|*.lvl"));
    QCOMPARE(window.WallTiles().LastIndex(), 1);
    QCOMPARE(window.WallTiles().Definition(0).ToConverterOrder()[0], 1);   // the chunk's mask 0
    QCOMPARE(window.WallTiles().Definition(1).ToConverterOrder()[4], 22);  // east: the chunk's mask 1
    QVERIFY(window.findChild<QWidget*>(QStringLiteral("Delete Current"))->isEnabled());

    std::string none = dir.Write("none.lvl", vetra::test::ElvlLevel({}));
    dialogs.QueueFiles({none});
    QTest::mouseClick(load, Qt::LeftButton);
    QCOMPARE(window.WallTiles().LastIndex(), 1);
    QVERIFY(!host.Messages().empty());
    QCOMPARE(host.Messages().back(),
             "Could not load the WallTile sets of " + none +
                 ": it has no WallTile sets (DCWT chunks) in its extended level data.");
}

QTEST_MAIN(WallTileEditorLevelTest)
#include "walltileeditorlevel_test.moc"
