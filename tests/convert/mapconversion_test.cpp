#include "convert/mapconversion.h"

#include <gtest/gtest.h>

#include "convert/mapconversion_fixture.h"
#include "support/levelfixtures.h"
#include "support/recordinghost.h"
#include "support/scratchdir.h"
#include "util/writefaults.h"

namespace vetra::convert {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Tiles = std::map<std::pair<int, int>, int>;
using Kind = RecordingHost::Kind;

class MapConversion : public ::testing::Test {
protected:
    // Converts a picture (or raw file bytes) and returns the level's bytes; the outcome is kept.
    Bytes ConvertBytes(const Bytes& file) {
        std::string map = dir.Write("map.bmp", file);
        level = dir.File("map.lvl");
        outcome = host.Report(Convert(host, map, level, {.wallTiles = wallTiles}));
        return FileExists(level) ? test::ReadBytes(level) : Bytes{};
    }
    Bytes ConvertPicture(const test::MapPicture& picture) { return ConvertBytes(picture.File()); }

    test::ScratchDir dir;
    RecordingHost host;
    ConverterWallTiles wallTiles;
    std::string level;
    FileResult outcome;
};

TEST_F(MapConversion, RecordBytesOfOneCell) {
    test::MapPicture picture;
    picture.Put(300, 700, 170);
    EXPECT_EQ(ConvertPicture(picture), (Bytes{0x2C, 0xC1, 0x2B, 0xAA}));
    EXPECT_TRUE(outcome.Done());
    EXPECT_EQ(outcome.written, std::vector<std::string>{level});
    EXPECT_TRUE(host.Messages().empty());
    EXPECT_TRUE(host.Summary().empty());
}

TEST_F(MapConversion, RecordsInRasterOrderWithHolesFilledFromTheEnd) {
    test::MapPicture picture;
    picture.Put(1023, 1023, 1).Put(5, 0, 2).Put(6, 0, 200).Put(7, 0, 3).Put(0, 1, 4).Put(1, 1, 5);
    std::vector<TileRecord> records = test::Records(ConvertPicture(picture));
    // Distilled top row first; the dropped colour at (6,0) leaves a hole that the last cell, from the
    // bottom row, fills.
    EXPECT_EQ(records,
              (std::vector<TileRecord>{{5, 0, 2}, {1023, 1023, 1}, {7, 0, 3}, {0, 1, 4}, {1, 1, 5}}));
}

TEST_F(MapConversion, TitlesOfARunAndTheirThrottling) {
    test::MapPicture picture;
    picture.Put(0, 0, 1).Put(1, 0, 1).Put(2, 0, 1);
    ConvertPicture(picture);
    EXPECT_EQ(host.Titles(), (std::vector<std::string>{"Distilling bitmap...",
                                                       "0% distilled",
                                                       "9% distilled",
                                                       "19% distilled",
                                                       "29% distilled",
                                                       "39% distilled",
                                                       "49% distilled",
                                                       "59% distilled",
                                                       "69% distilled",
                                                       "79% distilled",
                                                       "89% distilled",
                                                       "99% distilled",
                                                       "Cleaning...",
                                                       "33% cleaned...",
                                                       "Converting WallTiles...",
                                                       "Connecting WallTiles...",
                                                       "Exporting WallTiles...",
                                                       "Creating diagonals...",
                                                       "Collapsing...",
                                                       "Creating LVL data...",
                                                       "33% written...",
                                                       "Writing LVL file..."}));
    EXPECT_EQ(host.Calls().back().kind, Kind::RestoreTitle);
    EXPECT_EQ(host.Calls()[1].kind, Kind::DoEvents);  // every title gets its chance to repaint
}

TEST_F(MapConversion, CleaningThrottlesEvery256Cells) {
    test::MapPicture picture;
    for (int x = 0; x < 513; ++x) picture.Put(x, 3, 1);
    ConvertPicture(picture);
    std::vector<std::string> titles = host.Titles();
    EXPECT_EQ(std::count_if(titles.begin(), titles.end(),
                            [](const std::string& t) { return t.ends_with("% cleaned..."); }),
              3);
    EXPECT_NE(std::find(titles.begin(), titles.end(), "50% cleaned..."), titles.end());  // 257 * 100 / 513
    EXPECT_NE(std::find(titles.begin(), titles.end(), "100% written..."), titles.end());
}

TEST_F(MapConversion, ObjectsKeepOnlyTheirAnchor) {
    test::MapPicture picture;
    for (int y = 20; y < 22; ++y)
        for (int x = 30; x < 32; ++x) picture.Put(x, y, 217);  // a solid block of large asteroid
    // A wormhole whose footprint holds tiles, a marker and an asteroid anchor, and an asteroid anchored
    // outside it whose footprint overlaps it.
    picture.Put(3, 0, 220).Put(2, 0, 9).Put(8, 0, 5).Put(7, 4, 5).Put(4, 4, 255).Put(5, 2, 217);
    picture.Put(2, 1, 217).Put(3, 1, 1).Put(2, 2, 1);
    picture.Put(1023, 1023, 219).Put(1022, 1023, 216).Put(1021, 1022, 218);  // objects at the map's edge
    Tiles tiles = test::TilesByPosition(ConvertPicture(picture));
    EXPECT_EQ(tiles, (Tiles{{{30, 20}, 217},
                            {{3, 0}, 220},
                            {{2, 0}, 9},
                            {{8, 0}, 5},
                            {{2, 1}, 217},
                            {{1023, 1023}, 219},
                            {{1022, 1023}, 216},
                            {{1021, 1022}, 218}}));
}

TEST_F(MapConversion, SpaceStationEmptiesItsFootprint) {
    test::MapPicture picture;
    for (int y = 10; y < 17; ++y)
        for (int x = 10; x < 17; ++x) picture.Put(x, y, 7);
    picture.Put(10, 10, 219);
    Tiles tiles = test::TilesByPosition(ConvertPicture(picture));
    EXPECT_EQ(tiles.size(), 1u + 13u);  // the anchor, and the row and column just outside the 6 x 6 square
    EXPECT_EQ((tiles[{10, 10}]), 219);
    EXPECT_EQ(tiles.count({15, 15}), 0u);
    EXPECT_EQ((tiles[{16, 15}]), 7);
}

TEST_F(MapConversion, ColoursWithoutATileAreDropped) {
    test::MapPicture picture;
    int x = 0;
    for (int value = 191; value <= 255; ++value) picture.Put(x++, 0, static_cast<std::uint8_t>(value));
    const bool flags[] = {false};
    const WallTileEntries definitions[] = {WallTileEntries{77}};
    wallTiles = ConverterWallTiles::FirstOf(1, flags, definitions);
    Tiles tiles = test::TilesByPosition(ConvertPicture(picture));
    // 216 to 220 stay unless an object's footprint covers them; 255 is WallTile 0's marker.
    EXPECT_EQ(tiles, (Tiles{{{25, 0}, 216}, {{26, 0}, 217}, {{28, 0}, 219}, {{64, 0}, 77}}));

    wallTiles = {};
    tiles = test::TilesByPosition(ConvertPicture(picture));
    EXPECT_EQ(tiles.size(), 3u);
}

TEST_F(MapConversion, EmptyResultIsALevelWithoutRecords) {
    test::MapPicture picture;
    EXPECT_TRUE(ConvertPicture(picture).empty());
    EXPECT_TRUE(outcome.Done());
    EXPECT_TRUE(FileExists(level));
    picture.Put(0, 0, 200).Put(9, 9, 222);
    EXPECT_TRUE(ConvertPicture(picture).empty());
    EXPECT_TRUE(outcome.Done());
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(MapConversion, WidthTestLooksAtTheLowSixteenBitsOnly) {
    test::MapPicture picture;
    picture.Put(1, 1, 1);
    Bytes file = picture.File();
    file[20] = 0x07;  // width 1024 + 7 * 65536
    file[22] = 0x10;  // a height other than 1024 passes too
    file[23] = 0x00;
    EXPECT_EQ(ConvertBytes(file).size(), 4u);
    EXPECT_TRUE(outcome.Done());
}

TEST_F(MapConversion, RefusedBitmapsLeaveNoLevel) {
    const std::string rule = "-=-=-=-=-=-=-=-=-";
    struct Case {
        const char* name;
        std::size_t offset;
        std::vector<std::uint8_t> bytes;
        std::string ending;
    } cases[] = {
        {"512 wide", 18, {0x00, 0x02}, " is not a valid 1024-pixel wide map bitmap."},
        {"24 bits", 28, {24, 0}, " is not an 8-bit bitmap."},
        {"run-length", 30, {1, 0, 0, 0}, " is a compressed bitmap."},
        {"top down", 22, {0x00, 0xFC, 0xFF, 0xFF}, " stores its rows top down."},
    };
    for (const Case& c : cases) {
        Bytes file = test::MapPicture().Put(0, 0, 1).File();
        std::copy(c.bytes.begin(), c.bytes.end(), file.begin() + static_cast<std::ptrdiff_t>(c.offset));
        host.Forget();
        EXPECT_TRUE(ConvertBytes(file).empty()) << c.name;
        EXPECT_FALSE(outcome.Done()) << c.name;
        EXPECT_FALSE(FileExists(level)) << c.name;
        std::string map = dir.File("map.bmp");
        EXPECT_EQ(host.Summary(), std::vector<std::string>{rule + "\r\n" + map + c.ending + "\r\n" + rule})
            << c.name;
        ASSERT_GE(host.Calls().size(), 3u);
        EXPECT_EQ(host.Calls()[host.Calls().size() - 3].kind, Kind::RestoreTitle) << c.name;
        std::string reason = std::string(c.ending).substr(1, c.ending.size() - 2);
        EXPECT_EQ(host.Calls().back(),
                  (RecordingHost::Call{Kind::MessageBox, "Could not convert " + map + ": it " + reason + "."}))
            << c.name;
    }
}

TEST_F(MapConversion, ShortOrMissingFilesFail) {
    Bytes file = test::MapPicture().File();
    file.pop_back();
    ConvertBytes(file);
    EXPECT_FALSE(outcome.Done());
    EXPECT_NE(host.Summary().at(0).find(" is not big enough to be a map."), std::string::npos);
    ConvertBytes(Bytes{'B', 'M'});
    EXPECT_FALSE(outcome.Done());

    host.Forget();
    EXPECT_FALSE(host.Report(Convert(host, dir.File("missing.bmp"), dir.File("missing.lvl"), {})).Done());
    EXPECT_EQ(host.Messages(),
              std::vector<std::string>{"Could not convert " + dir.File("missing.bmp") + ": it could not be opened."});
    EXPECT_FALSE(FileExists(dir.File("missing.lvl")));
}

struct FailWrite : WriteFaults {
    bool ShouldFail(WriteStep step) override { return step == WriteStep::WriteData; }
};

TEST_F(MapConversion, FailedWriteLeavesNoFile) {
    FailWrite faults;
    host.SetFaults(&faults);
    ConvertPicture(test::MapPicture().Put(3, 3, 3));
    EXPECT_FALSE(outcome.Done());
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"map.bmp"});
    EXPECT_EQ(host.Messages(), std::vector<std::string>{"Could not convert " + dir.File("map.bmp") + ": " + level +
                                                        " could not be written."});
}

TEST_F(MapConversion, ConvertFileNeverOverwrites) {
    std::string map = dir.Write("arena.bmp", test::MapPicture().Put(1, 2, 3).File());
    FileResult first = host.Report(ConvertFile(host, map, {}));
    EXPECT_EQ(first.written, std::vector<std::string>{dir.File("arena.lvl")});
    Bytes before = test::ReadBytes(dir.File("arena.lvl"));
    FileResult second = host.Report(ConvertFile(host, map, {}));
    EXPECT_EQ(second.written, std::vector<std::string>{dir.File("arena-0.lvl")});
    EXPECT_TRUE(second.Done());
    EXPECT_EQ(test::ReadBytes(dir.File("arena.lvl")), before);
    EXPECT_EQ(test::ReadBytes(dir.File("arena-0.lvl")), before);
}

class ConvertButton : public MapConversion {};

TEST_F(ConvertButton, AcceptsBySizeAndNameAndCountsWhatItConverted) {
    Bytes good = test::MapPicture().Put(0, 0, 1).File();
    std::string a = dir.Write("a.bmp", good);
    std::string small = dir.Write("small.bmp", Bytes(good.begin(), good.end() - 1));
    std::string text = dir.Write("c.bmx", good);
    std::string upper = dir.Write("B.BMP", good);
    BatchOperation operation = ConvertOperation({});
    EXPECT_EQ(operation.dialogTitle, "File(s) to convert:");
    EXPECT_EQ(operation.filter, "Bitmap Files (*.bmp)|*.bmp");

    BatchReport report = RunBatch(host, {a, small, text, upper}, operation.job);
    std::vector<std::string> summary = host.Summary();
    std::vector<std::string> expected = {
        "(1/4) Processing file: " + a,     "Created: " + dir.File("a.lvl"),
        "(2/4) Processing file: " + small, "Error: " + small + "\r\n is not big enough to be a map.\r\n",
        "(3/3) Processing file: " + text,  "Error: " + text + "\r\n is not a .bmp file.\r\n",
        "(4/2) Processing file: " + upper, "Created: " + dir.File("B.lvl")};
    EXPECT_EQ(summary, expected);
    EXPECT_EQ(operation.CompletionText(report),
              "Conversion completed.\r\n\r\n2 converted.\r\n2 could not be converted.");
    EXPECT_EQ(report.Written(), (std::vector<std::string>{dir.File("a.lvl"), dir.File("B.lvl")}));
    EXPECT_FALSE(report.AllDone());  // two files were turned away
}

TEST_F(ConvertButton, JoinsWallsWithTheSetItIsGiven) {
    std::string map = dir.Write("walls.bmp", test::MapPicture().Put(0, 0, 255).File());
    const bool flags[] = {false};
    const WallTileEntries definitions[] = {WallTileEntries{9}};
    BatchReport report =
        RunBatch(host, {map}, ConvertOperation({.wallTiles = ConverterWallTiles::FirstOf(1, flags, definitions)}).job);
    EXPECT_EQ(test::TilesByPosition(test::ReadBytes(report.Written().at(0))), (Tiles{{{0, 0}, 9}}));
    report = RunBatch(host, {map}, ConvertOperation({}).job);
    EXPECT_TRUE(test::ReadBytes(report.Written().at(0)).empty());
}

// The chosen tileset goes at the head of each level, which is written once, whole; a refused tileset leaves no
// level at all.
TEST_F(ConvertButton, PutsTheTilesetAtTheHeadOfEachLevel) {
    std::string map = dir.Write("good.bmp", test::MapPicture().Put(4, 5, 6).File());
    Bytes tileset = test::TilesetBitmap({.seed = 3, .comments = test::Letters(10)});
    std::string tiles = dir.Write("tiles.bmp", tileset);
    BatchReport report = RunBatch(host, {map}, ConvertOperation({.tileset = tiles}).job);
    ASSERT_EQ(report.Written(), std::vector<std::string>{dir.File("good.lvl")});
    EXPECT_EQ(test::ReadBytes(dir.File("good.lvl")), test::LevelBytes(tileset, {{4, 5, 6}}));

    Bytes narrow = tileset;
    narrow[18] = 0x31;
    dir.Write("narrow.bmp", narrow);
    host.Forget();
    report = RunBatch(host, {map}, ConvertOperation({.tileset = dir.File("narrow.bmp")}).job);
    EXPECT_EQ(report.failed, 1);
    EXPECT_TRUE(report.Written().empty());
    EXPECT_FALSE(FileExists(dir.File("good-0.lvl")));
    EXPECT_EQ(host.Messages(), std::vector<std::string>{"Could not convert " + map + ": " + dir.File("narrow.bmp") +
                                                        " does not begin with a 304-pixel wide tileset bitmap."});
}

}  // namespace
}  // namespace vetra::convert
