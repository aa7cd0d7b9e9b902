#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/clirun.h"
#include "formats/bitmapheader.h"
#include "formats/level.h"
#include "support/levelfixtures.h"
#include "support/realdata.h"
#include "support/scratchdir.h"

namespace {

using vetra::Bytes;
using namespace vetra::test;

// Runs "vetra-cli check" on the paths.
CliRun RunCheck(const std::vector<std::string>& paths) {
    std::vector<std::string> arguments{"check"};
    arguments.insert(arguments.end(), paths.begin(), paths.end());
    return RunCli(arguments);
}

// A tileset carrying a text and a section with one attribute, then records.
Bytes LevelWithExtendedData() {
    std::string behind = std::string("Hi\r\n\0\0", 6) + "elvl" + std::string("\x1c\0\0\0\0\0\0\0", 8) +
                         "ATTR" + std::string("\x08\0\0\0", 4) + "NAME=Ice";
    Bytes tileset = TilesetBitmap({.comments = Bytes(behind.begin(), behind.end())});
    vetra::WriteU32(tileset.data() + 6, vetra::kTilesetSize + 6);
    return LevelBytes(tileset, {{10, 10, 217}, {11, 11, 5}, {10, 10, 1}, {3, 3, 230}});
}

TEST(CheckCommand, DescribesALevelInOneBlock) {
    ScratchDir dir;
    std::string path = dir.Write("ice.lvl", LevelWithExtendedData());
    CliRun run = RunCheck({path});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(
        run.output,
        path +
            "\n"
            "  Tileset: 304 x 160, 8 bits per pixel, uncompressed, declared size 49752 bytes\n"
            "  Behind the pixels: 34 bytes, extended level data at offset 49724, 28 bytes declared after "
            "text \"Hi\\r\\n\"\n"
            "    NAME=Ice\n"
            "  Records: 4, stray bytes: 0\n"
            "  Records outside the map: 0\n"
            "  Duplicate positions: 1 (1 record beyond the first)\n"
            "  Tiles hidden under objects: 1\n"
            "  Tile numbers outside 1-190 and 216-220: 230: 1\n"
            "  Status: sound\n");
}

TEST(CheckCommand, FailsForDamageAndUnreadableFiles) {
    ScratchDir dir;
    std::string sound = dir.Write("sound.lvl", RecordBytes({{1, 2, 3}}));
    std::string stray = dir.Write("stray.lvl", Joined(RecordBytes({{1, 2, 3}}), {0x0D, 0x0A}));
    std::string outside = dir.Write("outside.lvl", RecordBytes({{2000, 2, 3}}));
    std::vector<std::uint8_t> cut{'B', 'M', 0xFF, 0xFF, 0, 0};
    std::string pastEnd = dir.Write("past.lvl", cut);

    EXPECT_EQ(RunCheck({sound}).status, 0);
    EXPECT_NE(RunCheck({stray}).output.find("Status: damaged (stray bytes)"), std::string::npos);
    EXPECT_NE(RunCheck({outside}).output.find("Records outside the map: 1 (the first at x 2000, y 2)"),
              std::string::npos);
    CliRun past = RunCheck({pastEnd});
    EXPECT_NE(past.output.find("past the end of the file (6 bytes)"), std::string::npos);
    EXPECT_NE(past.output.find("Records: none readable"), std::string::npos);
    for (const std::string& damaged : {stray, outside, pastEnd})
        EXPECT_EQ(RunCheck({sound, damaged}).status, 1);

    CliRun missing = RunCheck({dir.File("gone.lvl"), sound});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.output.find("vetra: " + dir.File("gone.lvl") + ": does not exist"), std::string::npos);
    EXPECT_NE(missing.output.find("Status: sound"), std::string::npos);
    EXPECT_EQ(RunCheck({}).status, 2);
}

// A level loads with any tileset, but the tileset tools take only 304-pixel wide ones; rows of pixels that
// make no whole row of tiles are said too.
TEST(CheckCommand, SaysWhatTheTilesetToolsMakeOfTheTileset) {
    ScratchDir dir;
    struct Case {
        const char* name;
        Bytes tileset;
        std::string status;
    } cases[] = {
        {"a tileset", TilesetBitmap(), "Status: sound\n"},
        {"300 pixels wide", PatternBitmap(300, 160),
         "Status: sound; the tileset tools refuse its tileset, which is not 304 pixels wide\n"},
        {"150 rows", PatternBitmap(304, 150),
         "Status: sound; its tileset is 150 pixels high, so its last 6 rows of pixels are no whole row of "
         "tiles\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CliRun run = RunCheck({dir.Write("level.lvl", LevelBytes(c.tileset, {{1, 2, 3}}))});
        EXPECT_EQ(run.status, 0);
        EXPECT_TRUE(run.output.ends_with("  " + c.status)) << run.output;
    }
}

// info view lists the chunks of extended level data as check does.
TEST(CheckCommand, ListsTheSameChunksAsInfoView) {
    VETRA_REQUIRE_REALDATA();
    int levels = 0;
    for (const std::string& level : vetra::test::RealDataFiles(".lvl")) {
        std::string view = RunCli({"info", "view", level}).output;
        std::size_t listing = view.find("Extended level data:\n");
        if (listing == std::string::npos) continue;
        ++levels;
        SCOPED_TRACE(level);
        std::string check = RunCheck({level}).output;
        std::size_t chunks = check.find('\n', check.find("extended level data at offset")) + 1;
        std::string checkLines;
        for (std::size_t at = chunks; check.compare(at, 4, "    ") == 0; at = check.find('\n', at) + 1)
            checkLines += check.substr(at + 4, check.find('\n', at) + 1 - at - 4);
        EXPECT_EQ(view.substr(listing + 21), checkLines);
    }
    EXPECT_GT(levels, 0);
}

// Of the real levels only the copy damaged by a text-mode transfer fails the check.
TEST(CheckCommand, PassesEveryRealLevelButTheDamagedCopy) {
    VETRA_REQUIRE_REALDATA();
    for (const std::string& level : vetra::test::RealDataFiles(".lvl")) {
        SCOPED_TRACE(level);
        CliRun run = RunCheck({level});
        bool damaged = level.find("oldturf@adb20fc") != std::string::npos;
        EXPECT_EQ(run.status, damaged ? 1 : 0);
        EXPECT_EQ(run.output.rfind(level + "\n", 0), 0u);
        EXPECT_EQ(run.output.find("vetra:"), std::string::npos);
    }
}

}  // namespace
