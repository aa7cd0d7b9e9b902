#include "walltiles/model/wtdfile.h"

#include <gtest/gtest.h>

#include "support/scratchdir.h"
#include "support/recordinghost.h"
#include "util/writefaults.h"

namespace vetra {
namespace {

using Tiles = std::array<std::uint8_t, 20>;

TEST(WtdFile, ColourNames) {
    EXPECT_EQ(wtdfile::ColourName(0), "#FFFFFF");
    EXPECT_EQ(wtdfile::ColourName(2), "#6060FF");
    EXPECT_EQ(wtdfile::ColourName(25), "#E0FFFF");
    EXPECT_EQ(wtdfile::ColourName(31), "#E0E0E0");
    EXPECT_EQ(wtdfile::ColourName(32), "");
    EXPECT_EQ(wtdfile::ColourName(-1), "");
}

TEST(WtdFile, IntegerValueTakesTheLeadingNumberRoundedHalfToEven) {
    struct Case {
        const char* field;
        double value;
    } cases[] = {{"12", 12},   {"  7", 7},    {"7abc", 7}, {"2.5", 2}, {"3.5", 4}, {"2.51", 3},
                 {"-1", -1},   {"+4", 4},     {"abc", 0},  {"", 0},    {".5", 0},  {"1.", 1},
                 {"5:1,2", 5}, {"0190", 190}, {"-", 0},    {" - 3", 0}};
    for (const Case& c : cases) EXPECT_EQ(wtdfile::IntegerValue(c.field), c.value) << c.field;
    EXPECT_GT(wtdfile::IntegerValue(std::string(400, '9')), 1e300);
}

TEST(WtdFile, SingleLineNamesTheHighestIndex) {
    WallTileSet set = wtdfile::ParseWallTiles("walltile x=5:1,2,3\r\n");
    ASSERT_EQ(set.LastIndex(), 5);
    EXPECT_EQ(set.Definition(5).tiles, (Tiles{1, 2, 3}));
    EXPECT_FALSE(set.Definition(5).diagonals);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(set.Definition(i), WallTileDefinition{}) << i;
    // The unnamed WallTiles are rendered after the named ones, so the last of them ends up current.
    EXPECT_EQ(set.Current(), 4);
}

TEST(WtdFile, NumberCountDecidesDiagonals) {
    std::string seventeen = "WallTile=0:1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17";
    WallTileSet set = wtdfile::ParseWallTiles(seventeen);
    EXPECT_TRUE(set.Definition(0).diagonals);
    EXPECT_EQ(set.Definition(0).tiles,
              (Tiles{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 0, 0, 0}));
    EXPECT_EQ(set.Current(), 0);

    std::string twentyFive = "WallTile=0:1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25";
    set = wtdfile::ParseWallTiles(twentyFive);
    EXPECT_TRUE(set.Definition(0).diagonals);
    EXPECT_EQ(set.Definition(0).tiles[19], 20);
}

TEST(WtdFile, OnlyTheTextBetweenTheFirstTwoColonsCounts) {
    WallTileSet set = wtdfile::ParseWallTiles("WallTile#FF60FF=3:1,2:9,9");
    ASSERT_EQ(set.LastIndex(), 3);
    EXPECT_EQ(set.Definition(3).tiles, (Tiles{1, 2}));
}

TEST(WtdFile, LaterLineOverwritesOnlyTheSlotsItNames) {
    WallTileSet set = wtdfile::ParseWallTiles(
        "WallTile=1:1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20\nWallTile=1:50,51\n");
    EXPECT_EQ(set.Definition(1).tiles, (Tiles{50, 51, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}));
    EXPECT_FALSE(set.Definition(1).diagonals);
    EXPECT_EQ(set.Current(), 0);  // 0 was never named
}

TEST(WtdFile, MalformedLinesAreSkipped) {
    struct Case {
        const char* text;
        int lastIndex;
        Tiles tiles0;
    } cases[] = {
        {"", 0, {}},
        {"no equals sign\r\nOther=0:5\r\n", 0, {}},
        {"WallTile=0 no colon", 0, {}},
        {"WallTile=40:1,2", 0, {}},  // index out of range
        {"WallTile=-1:1,2", 0, {}},
        {"WallTile=0:191,-3,abc,190, 7 ,2.5", 0, {0, 0, 0, 190, 7, 2}},  // tiles outside 0-190 become 0
        {"  WALLTILE foo =0:9\rWallTile=0:8", 0, {8}},  // CR alone ends a line; keys ignore case and blanks
        {"WallTile=0:", 0, {}},
        {"xWallTile=0:5", 0, {}},
    };
    for (const Case& c : cases) {
        WallTileSet set = wtdfile::ParseWallTiles(c.text);
        EXPECT_EQ(set.LastIndex(), c.lastIndex) << c.text;
        EXPECT_EQ(set.Definition(0).tiles, c.tiles0) << c.text;
    }
}

TEST(WtdFile, SaveWritesSixteenNumbersWithoutDiagonals) {
    WallTileSet set(3);
    set.Definition(0).tiles = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20};
    set.Definition(1).tiles = {190, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 5};
    set.Definition(1).diagonals = true;
    EXPECT_EQ(wtdfile::WallTilesText(set),
              "WallTile#FFFFFF=0:1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16\r\n"
              "WallTile#60FFFF=1:190,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,5\r\n"
              "WallTile#6060FF=2:0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n");
}

TEST(WtdFile, SavedFileReadsBackAsTheSameSet) {
    test::ScratchDir dir;
    RecordingHost host;
    WallTileSet set(4);
    for (int i = 0; i <= 3; ++i)
        for (int s = 0; s < 20; ++s) set.Definition(i).tiles[s] = static_cast<std::uint8_t>(1 + i * 20 + s);
    set.Definition(1).diagonals = true;
    set.Definition(3).diagonals = true;
    std::string path = dir.File("set.wtd");
    ASSERT_TRUE(host.Report(wtdfile::Save(path, set)).Done());

    WallTileSet loaded;
    ASSERT_TRUE(host.Report(wtdfile::Load(path, loaded)).Done());
    EXPECT_EQ(loaded.LastIndex(), 3);
    for (int i = 0; i <= 3; ++i) {
        WallTileDefinition expected = set.Definition(i);
        if (!expected.diagonals) std::fill(expected.tiles.begin() + 16, expected.tiles.end(), 0);
        EXPECT_EQ(loaded.Definition(i), expected) << i;
    }
    EXPECT_EQ(loaded.Current(), 3);
    EXPECT_TRUE(host.Messages().empty());
}

TEST(WtdFile, UnreadableFileKeepsTheSetAndSaysSo) {
    test::ScratchDir dir;
    RecordingHost host;
    WallTileSet set(2);
    set.Definition(1).tiles[0] = 9;
    WallTileSet before = set;
    EXPECT_FALSE(host.Report(wtdfile::Load(dir.File("missing.wtd"), set)).Done());
    EXPECT_FALSE(host.Report(wtdfile::Load(dir.Path(), set)).Done());
    EXPECT_EQ(set, before);
    EXPECT_EQ(host.Messages(),
              (std::vector<std::string>{"Could not load the WallTile definitions " + dir.File("missing.wtd") +
                                            ": does not exist.",
                                        "Could not load the WallTile definitions " + dir.Path() +
                                            ": is a folder, not a file."}));
}

struct FailRename : WriteFaults {
    bool ShouldFail(WriteStep step) override { return step == WriteStep::Rename; }
};

TEST(WtdFile, FailedSaveLeavesTheOldFileAndSaysSo) {
    test::ScratchDir dir;
    FailRename faults;
    RecordingHost host;
    std::string path = dir.Write("set.wtd", std::string("old"));
    EXPECT_FALSE(host.Report(wtdfile::Save(path, WallTileSet(1), &faults)).Done());
    EXPECT_EQ(test::ReadBytes(path), (std::vector<std::uint8_t>{'o', 'l', 'd'}));
    EXPECT_EQ(host.Messages(), std::vector<std::string>{"Could not save the WallTile definitions " + path +
                                                        ": could not be replaced (Input/output error)."});
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"set.wtd"});
}

}  // namespace
}  // namespace vetra
