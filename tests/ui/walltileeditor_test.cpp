#include "walltiles/walltileeditor.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>

#include "formats/level.h"
#include "support/levelfixtures.h"
#include "support/recordinghost.h"
#include "support/scratchdir.h"
#include "support/scripteddialog.h"
#include "walltiles/model/wtdfile.h"
#include "widgets/tilegrid.h"

namespace widgets = vetra::widgets;

using vetra::ConverterWallTiles;
using vetra::WallTileEntries;
using widgets::TileGrid;

namespace {

const QString kVersion = QStringLiteral("VETRA-test");

QPoint TileCentre(int column, int row) { return QPoint(16 * column + 8, 16 * row + 8); }
QPoint SlotCentre(int slot) { return TileCentre(slot % 4, slot / 4); }

using Slots = std::array<std::uint8_t, 20>;

// A set of two WallTiles with a few tiles each, installed as if confirmed earlier.
ConverterWallTiles SomeInstalledSet() {
    ConverterWallTiles set;
    set.definitions = {WallTileEntries{1, 2, 3}, WallTileEntries{4}};
    set.diagonals = {true, false};
    return set;
}

struct Editor {
    vetra::test::ScratchDir dir;
    vetra::RecordingHost host;
    vetra::ui::ScriptedDialog dialogs;
    ConverterWallTiles installed;
    vetra::walltiles::WallTileEditor window{host, dialogs, installed, kVersion};

    Editor() {
        window.SetTilesetFile(dir.Write("tiles.bmp", vetra::test::TilesetBitmap({.numbered = true})));
        window.show();
    }
    template <typename T = QWidget>
    T* Find(const char* name) {
        return window.findChild<T*>(QString::fromLatin1(name));
    }
    widgets::TileGrid* Tileset() { return Find<widgets::TileGrid>("TilesetImage"); }
    widgets::TileGrid* Current() { return Find<widgets::TileGrid>("CurrentWallTile"); }
    void Select(QPoint fromTile, QPoint toTile) {
        QTest::mousePress(Tileset(), Qt::LeftButton, {}, TileCentre(fromTile.x(), fromTile.y()));
        QTest::mouseMove(Tileset(), TileCentre(toTile.x(), toTile.y()));
        QTest::mouseRelease(Tileset(), Qt::LeftButton, {}, TileCentre(toTile.x(), toTile.y()));
    }
    void PasteAt(int slot) { QTest::mouseClick(Current(), Qt::LeftButton, {}, SlotCentre(slot)); }
    void Press(const char* name) { QTest::mouseClick(Find(name), Qt::LeftButton); }
    const Slots& Tiles() { return window.WallTiles().Definition(window.WallTiles().Current()).tiles; }
    int Last() { return window.WallTiles().LastIndex(); }
    QString Status() { return Find<QStatusBar>("")->currentMessage(); }
};

// A 24-bit tileset whose tile t has the colour (t, 255 - t, 40).
std::vector<std::uint8_t> TrueColourTileset() {
    const int width = 304, height = 160, rowBytes = width * 3;
    std::vector<std::uint8_t> bytes(54 + static_cast<std::size_t>(rowBytes) * height, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    vetra::WriteU32(&bytes[2], static_cast<std::uint32_t>(bytes.size()));
    vetra::WriteU32(&bytes[10], 54);
    vetra::WriteU32(&bytes[14], 40);
    vetra::WriteU32(&bytes[18], width);
    vetra::WriteU32(&bytes[22], height);
    vetra::WriteU16(&bytes[26], 1);
    vetra::WriteU16(&bytes[28], 24);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            int tile = (y / 16) * 19 + x / 16 + 1;
            std::uint8_t* pixel = &bytes[54 + static_cast<std::size_t>(height - 1 - y) * rowBytes + 3 * x];
            pixel[0] = 40;
            pixel[1] = static_cast<std::uint8_t>(255 - tile);
            pixel[2] = static_cast<std::uint8_t>(tile);
        }
    return bytes;
}

Slots SlotsWith(std::initializer_list<std::pair<int, int>> slotTiles) {
    Slots tiles{};
    for (auto [slot, tile] : slotTiles) tiles[slot] = static_cast<std::uint8_t>(tile);
    return tiles;
}

}  // namespace

class WallTileEditorTest : public QObject {
    Q_OBJECT
private slots:
    void FreshWindowShowsOneBlankWallTile();
    void SelectionIsPastedAndCutOffAtTheGridsEdges_data();
    void SelectionIsPastedAndCutOffAtTheGridsEdges();
    void DiagonalSlotsStayEmptyWhileDiagonalsIsOff();
    void HoleEmptiesOneSlot();
    void AddStopsAtThirtyTwoWallTiles();
    void DeletingTheOnlyWallTileClearsIt();
    void DeletingTheLastMakesThePreviousCurrent();
    void NavigationFollowsScrollBarAndNeighbours();
    void CancelEmptiesTheInstalledSet();
    void CloseBoxLeavesTheInstalledSet();
    void OkInstallsTheSlotsInConverterOrder();
    void ShowingReloadsTheLastFileFromDisk();
    void SaveWritesTheSet();
    void MissingTilesetCancelsAndUnreadableOneIsReported();
    void StatusBarTexts();
    void TilesetOfAnotherLayoutIsShownDecoded();
};

void WallTileEditorTest::FreshWindowShowsOneBlankWallTile() {
    Editor editor;
    QCOMPARE(editor.Last(), 0);
    QCOMPARE(editor.Tiles(), Slots{});
    QImage preview = editor.Current()->Image();
    QCOMPARE(preview.size(), QSize(64, 80));
    // Every empty slot shows the palette swatch; the grey palette makes entry 16 y + x a grey of that value.
    for (QPoint p : {QPoint(0, 0), QPoint(5, 3), QPoint(31, 20), QPoint(63, 79), QPoint(40, 70)})
        QCOMPARE(qRed(preview.pixel(p)), 16 * (p.y() % 16) + p.x() % 16);
    auto* example = editor.Find<QFrame>("frExample");
    QVERIFY(example->isVisible());
    QVERIFY(example->geometry().contains(editor.Find("PreviousWallTile")->geometry()));
    QVERIFY(editor.Find<QLabel>("ExamplePicture")->isVisible());
    QVERIFY(!editor.Find("PreviousWallTile")->isVisible());
    QVERIFY(!editor.Find("NextWallTile")->isVisible());
    QVERIFY(editor.Find("CurrentCover")->isVisible());
    QVERIFY(!editor.Find<QCheckBox>("Diagonals")->isChecked());
    QVERIFY(!editor.Find("Delete Current")->isEnabled());
    QVERIFY(editor.Find("Add WallTile")->isEnabled());
    QCOMPARE(editor.Find<QLabel>("lblIndex")->text(), QStringLiteral("(0)"));
    QCOMPARE(editor.Find<QScrollBar>("WallTileScroll")->maximum(), 0);
    QCOMPARE(editor.Status(), kVersion);
    QVERIFY(editor.window.Cancelled());
}

void WallTileEditorTest::SelectionIsPastedAndCutOffAtTheGridsEdges_data() {
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<int>("slot");
    QTest::addColumn<Slots>("expected");
    // Tiles (3, 1) to (5, 2) are numbers 23 to 25 and 42 to 44; the third column falls off the grid.
    Slots block = SlotsWith({{2, 23}, {3, 24}, {6, 42}, {7, 43}});
    QTest::newRow("top left to bottom right") << QPoint(3, 1) << QPoint(5, 2) << 2 << block;
    QTest::newRow("bottom right to top left") << QPoint(5, 2) << QPoint(3, 1) << 2 << block;
    QTest::newRow("one tile") << QPoint(18, 9) << QPoint(18, 9) << 5 << SlotsWith({{5, 190}});
    QTest::newRow("dragged past the tileset")
        << QPoint(17, 8) << QPoint(30, 20) << 0 << SlotsWith({{0, 170}, {1, 171}, {4, 189}, {5, 190}});
}

void WallTileEditorTest::SelectionIsPastedAndCutOffAtTheGridsEdges() {
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(int, slot);
    QFETCH(Slots, expected);
    Editor editor;
    QTest::mousePress(editor.Tileset(), Qt::LeftButton, {}, TileCentre(from.x(), from.y()));
    QTest::mouseMove(editor.Tileset(), TileCentre(to.x(), to.y()));
    QVERIFY(editor.Tileset()->SelectionVisible());
    QTest::mouseRelease(editor.Tileset(), Qt::LeftButton, {}, TileCentre(to.x(), to.y()));
    QVERIFY(!editor.Tileset()->SelectionVisible());
    editor.PasteAt(slot);
    QCOMPARE(editor.Tiles(), expected);
    // The numbered tileset fills tile t with the value t: a grey of t in the preview.
    QImage preview = editor.Current()->Image();
    for (int s = 0; s < 16; ++s)
        if (expected[s] != 0) QCOMPARE(qRed(preview.pixel(SlotCentre(s))), int(expected[s]));
}

void WallTileEditorTest::DiagonalSlotsStayEmptyWhileDiagonalsIsOff() {
    Editor editor;
    editor.Select({0, 0}, {1, 1});
    editor.PasteAt(12);
    QCOMPARE(editor.Tiles(), SlotsWith({{12, 1}, {13, 2}}));
    QTest::mouseClick(editor.Find("Diagonals"), Qt::LeftButton);
    QVERIFY(editor.window.WallTiles().Definition(0).diagonals);
    QVERIFY(!editor.Find("CurrentCover")->isVisible());
    editor.PasteAt(12);
    QCOMPARE(editor.Tiles(), SlotsWith({{12, 1}, {13, 2}, {16, 20}, {17, 21}}));
    QTest::mouseClick(editor.Find("Diagonals"), Qt::LeftButton);
    QVERIFY(editor.Find("CurrentCover")->isVisible());
    QCOMPARE(editor.Tiles()[16], 20);  // kept until the next paste
    editor.PasteAt(0);
    QCOMPARE(editor.Tiles(), SlotsWith({{0, 1}, {1, 2}, {4, 20}, {5, 21}, {12, 1}, {13, 2}}));
}

void WallTileEditorTest::HoleEmptiesOneSlot() {
    Editor editor;
    editor.Select({0, 0}, {3, 3});
    editor.PasteAt(0);
    QTest::mouseClick(editor.Find("Hole"), Qt::LeftButton);
    editor.PasteAt(5);
    Slots expected = editor.window.WallTiles().Definition(0).tiles;
    QCOMPARE(expected[5], 0);
    QCOMPARE(expected[4], 20);
    QCOMPARE(expected[6], 22);
    QCOMPARE(expected[0], 1);
    QImage preview = editor.Current()->Image();
    QCOMPARE(qRed(preview.pixel(SlotCentre(5))), 16 * 8 + 8);  // the swatch again
}

void WallTileEditorTest::AddStopsAtThirtyTwoWallTiles() {
    Editor editor;
    for (int i = 0; i < 31; ++i) editor.Press("Add WallTile");
    QCOMPARE(editor.Last(), 31);
    QCOMPARE(editor.window.WallTiles().Current(), 31);
    QVERIFY(!editor.Find("Add WallTile")->isEnabled());
    QVERIFY(editor.Find("Delete Current")->isEnabled());
    QVERIFY(!editor.Find("frExample")->isVisible());
    QVERIFY(QMetaObject::invokeMethod(&editor.window, "AddWallTile"));
    QCOMPARE(editor.Last(), 31);
    editor.Press("Delete Current");
    QCOMPARE(editor.Last(), 30);
    QVERIFY(editor.Find("Add WallTile")->isEnabled());
}

void WallTileEditorTest::DeletingTheOnlyWallTileClearsIt() {
    Editor editor;
    editor.Select({2, 0}, {2, 0});
    editor.PasteAt(0);
    QVERIFY(!editor.Find("Delete Current")->isEnabled());
    QVERIFY(QMetaObject::invokeMethod(&editor.window, "DeleteWallTile"));
    QCOMPARE(editor.Last(), 0);
    QCOMPARE(editor.Tiles(), Slots{});
    QCOMPARE(qRed(editor.Current()->Image().pixel(SlotCentre(0))), 16 * 8 + 8);
}

void WallTileEditorTest::DeletingTheLastMakesThePreviousCurrent() {
    Editor editor;
    for (int tile = 0; tile < 3; ++tile) {
        if (tile > 0) editor.Press("Add WallTile");
        editor.Select({tile, 0}, {tile, 0});
        editor.PasteAt(0);
    }
    QCOMPARE(editor.Last(), 2);
    QVERIFY(editor.Find("PreviousWallTile")->isVisible());
    QVERIFY(!editor.Find("NextWallTile")->isVisible());
    editor.Press("Delete Current");
    QCOMPARE(editor.Last(), 1);
    QCOMPARE(editor.window.WallTiles().Current(), 1);
    QCOMPARE(editor.Tiles()[0], 2);
    QCOMPARE(editor.Find<QLabel>("lblIndex")->text(), QStringLiteral("(1)"));
    QVERIFY(editor.Find("Delete Current")->isEnabled());
    editor.Press("Delete Current");
    QCOMPARE(editor.Last(), 0);
    QCOMPARE(editor.Tiles()[0], 1);
    QVERIFY(!editor.Find("Delete Current")->isEnabled());
    QVERIFY(editor.Find("frExample")->isVisible());
}

void WallTileEditorTest::NavigationFollowsScrollBarAndNeighbours() {
    Editor editor;
    editor.Press("Add WallTile");
    editor.Press("Add WallTile");
    auto* scroll = editor.Find<QScrollBar>("WallTileScroll");
    QCOMPARE(scroll->maximum(), 2);
    QCOMPARE(scroll->value(), 2);
    scroll->setValue(0);
    QCOMPARE(editor.window.WallTiles().Current(), 0);
    QCOMPARE(editor.Find<QLabel>("lblIndex")->text(), QStringLiteral("(0)"));
    QVERIFY(!editor.Find("PreviousWallTile")->isVisible());
    QVERIFY(editor.Find("NextWallTile")->isVisible());
    QTest::mouseClick(editor.Find("lblNext"), Qt::LeftButton);
    QCOMPARE(editor.window.WallTiles().Current(), 1);
    QTest::mouseClick(editor.Find("NextWallTile"), Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(editor.window.WallTiles().Current(), 2);
    QTest::mouseClick(editor.Find("PreviousWallTile"), Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(editor.window.WallTiles().Current(), 1);
    QCOMPARE(scroll->value(), 1);
}

void WallTileEditorTest::CancelEmptiesTheInstalledSet() {
    Editor editor;
    editor.installed = SomeInstalledSet();
    editor.Press("Cancel");
    QVERIFY(!editor.window.isVisible());
    QVERIFY(editor.window.Cancelled());
    QCOMPARE(editor.installed.Count(), 0);
}

void WallTileEditorTest::CloseBoxLeavesTheInstalledSet() {
    Editor editor;
    editor.installed = SomeInstalledSet();
    editor.Select({0, 0}, {0, 0});
    editor.PasteAt(0);
    editor.window.close();
    QVERIFY(!editor.window.isVisible());
    QVERIFY(editor.window.Cancelled());
    QCOMPARE(editor.installed, SomeInstalledSet());
}

void WallTileEditorTest::OkInstallsTheSlotsInConverterOrder() {
    Editor editor;
    editor.Select({0, 0}, {3, 3});
    editor.PasteAt(0);  // slot s (row r, column c) gets tile 19 r + c + 1
    editor.Press("Add WallTile");
    QTest::mouseClick(editor.Find("Diagonals"), Qt::LeftButton);
    editor.Select({0, 5}, {3, 9});
    editor.PasteAt(0);
    editor.Press("OK");
    QVERIFY(!editor.window.isVisible());
    QVERIFY(!editor.window.Cancelled());

    const ConverterWallTiles& installed = editor.installed;
    QCOMPARE(installed.Count(), 2);
    QCOMPARE(installed.diagonals, (std::vector<bool>{false, true}));
    // Entry by connection mask: slot 0 (east, south) is entry 12, slot 15 (none) entry 0, and so on.
    // Slot s (row r, column c) holds tile 19 r + c + 1 and lands at the entry of its joined neighbours: slot
    // 15 (none) at entry 0, slot 11 (north) at 1, slot 14 (west) at 2, ..., slot 5 (all four) at 15.
    const WallTileEntries first{61, 42, 60, 41, 58, 39, 59, 40, 4, 23, 3, 22, 1, 20, 2, 21, 0, 0, 0, 0};
    QCOMPARE(installed.definitions[0], first);
    const WallTileEntries& second = installed.definitions[1];
    QCOMPARE(second[12], 96);          // slot 0: tile (0, 5)
    QCOMPARE(second[0], 96 + 57 + 3);  // slot 15: tile (3, 8)
    QCOMPARE(second[16], 172);         // slot 16: tile (0, 9)
    QCOMPARE(second[17], 173);         // slot 17
    QCOMPARE(second[19], 174);         // slot 18
    QCOMPARE(second[18], 175);         // slot 19
}

void WallTileEditorTest::ShowingReloadsTheLastFileFromDisk() {
    Editor editor;
    std::string file = editor.dir.Write("set.wtd", std::string("WallTile=0:5,6\r\n"));
    editor.dialogs.QueueFiles({file});
    editor.Press("Load");
    QCOMPARE(editor.dialogs.Requests().back().request.title, std::string("Load WallTile definition:"));
    QCOMPARE(editor.dialogs.Requests().back().request.filter,
             std::string("WallTile definition files (*.wtd)|*.wtd|Levels (*.lvl)|*.lvl"));
    QCOMPARE(editor.Tiles(), SlotsWith({{0, 5}, {1, 6}}));
    QVERIFY(!editor.Find("ExamplePicture")->isVisible());
    editor.Select({9, 9}, {9, 9});
    editor.PasteAt(3);
    editor.Press("Add WallTile");
    editor.Press("OK");

    editor.dir.Write("set.wtd",
                     std::string("WallTile=0:7\r\nWallTile=1:1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17\r\n"));
    editor.window.show();
    QCOMPARE(editor.Last(), 1);
    QCOMPARE(editor.window.WallTiles().Definition(0).tiles, SlotsWith({{0, 7}}));
    QVERIFY(editor.window.WallTiles().Definition(1).diagonals);
    QCOMPARE(editor.window.WallTiles().Definition(1).tiles[16], 17);
    QVERIFY(editor.Find("Delete Current")->isEnabled());
    QVERIFY(editor.window.Cancelled());

    editor.dir.Write("set.wtd", std::string());
    editor.window.hide();
    editor.window.show();
    QCOMPARE(editor.Last(), 0);
    QCOMPARE(editor.Tiles(), Slots{});
}

void WallTileEditorTest::SaveWritesTheSet() {
    Editor editor;
    editor.Select({1, 0}, {2, 0});
    editor.PasteAt(0);
    editor.dialogs.QueueCancel();
    editor.Press("Save");
    QVERIFY(editor.dir.Names().size() == 1);
    std::string path = editor.dir.File("out.wtd");
    editor.dialogs.QueueFiles({path});
    editor.Press("Save");
    QCOMPARE(editor.dialogs.Requests().back().request.title, std::string("Save WallTile definition:"));
    std::vector<std::uint8_t> written = vetra::test::ReadBytes(path);
    QCOMPARE(std::string(written.begin(), written.end()),
             std::string("WallTile#FFFFFF=0:2,3,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n"));
}

void WallTileEditorTest::MissingTilesetCancelsAndUnreadableOneIsReported() {
    {
        Editor editor;
        editor.window.hide();
        editor.installed = SomeInstalledSet();
        editor.window.SetTilesetFile(editor.dir.File("missing.bmp"));
        editor.window.show();
        QTRY_VERIFY(!editor.window.isVisible());
        QVERIFY(editor.window.Cancelled());
        QCOMPARE(editor.installed.Count(), 0);
    }
    Editor editor;
    editor.window.hide();
    std::vector<std::uint8_t> shortFile = vetra::test::TilesetBitmap({.numbered = true});
    shortFile.resize(2000);
    editor.window.SetTilesetFile(editor.dir.Write("short.bmp", shortFile));
    editor.window.show();
    QCOMPARE(editor.host.Messages(),
             std::vector<std::string>{"Could not show the tileset " + editor.dir.File("short.bmp") + " (" +
                                      editor.dir.File("short.bmp") + ": is shorter than the tiles it declares)."});
    QCoreApplication::processEvents();
    QVERIFY(editor.window.isVisible());
}

void WallTileEditorTest::StatusBarTexts() {
    Editor editor;
    editor.Press("Add WallTile");
    editor.Press("Add WallTile");
    editor.Find<QScrollBar>("WallTileScroll")->setValue(1);
    struct Case {
        const char* control;
        QPoint at;
        QString text;
    };
    for (const Case& c :
         {Case{"TilesetImage", TileCentre(18, 9), QStringLiteral("190 - ")},
          Case{"TilesetImage", TileCentre(17, 1), QStringLiteral("37 - Normal Tile")},
          Case{"CurrentWallTile", {5, 5}, QStringLiteral("Current WallTile")},
          Case{"NextWallTile", {5, 5}, QStringLiteral("Next WallTile")},
          Case{"PreviousWallTile", {5, 5}, QStringLiteral("Previous WallTile")},
          Case{"Hole", {5, 5}, QStringLiteral("0 - (Empty Tile)")}, Case{"Load", {5, 5}, QString()},
          Case{"Diagonals", {5, 5}, QString()}, Case{nullptr, {300, 140}, kVersion}}) {
        editor.Find<QStatusBar>("")->showMessage(QStringLiteral("-"));
        QTest::mouseMove(c.control ? editor.Find(c.control) : &editor.window, c.at);
        QVERIFY2(editor.Status().startsWith(c.text) && (!c.text.isEmpty() || editor.Status().isEmpty()),
                 qPrintable(QString::fromLatin1(c.control ? c.control : "window") + QStringLiteral(": ") +
                            editor.Status()));
    }
}

void WallTileEditorTest::TilesetOfAnotherLayoutIsShownDecoded() {
    Editor editor;
    editor.window.hide();
    editor.window.SetTilesetFile(editor.dir.Write("true colour.bmp", TrueColourTileset()));
    editor.window.show();
    QVERIFY(editor.host.Messages().empty());
    QRgb tile = editor.Tileset()->Image().pixel(TileCentre(4, 1));  // tile 24
    QCOMPARE(qRed(tile), 24);
    QCOMPARE(qGreen(tile), 231);
    editor.Select({4, 1}, {4, 1});
    editor.PasteAt(0);
    QCOMPARE(editor.Tiles()[0], std::uint8_t(24));
    QCOMPARE(qRed(editor.Current()->Image().pixel(SlotCentre(0))), 24);
}

QTEST_MAIN(WallTileEditorTest)
#include "walltileeditor_test.moc"
