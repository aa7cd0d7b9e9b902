#include <gtest/gtest.h>

#include <string>

#include "cli/clirun.h"
#include "formats/bitmapheader.h"
#include "formats/mappalette.h"
#include "support/scratchdir.h"
#include "util/fileio.h"

namespace {

using vetra::test::CliRun;
using vetra::test::ReadBytes;
using vetra::test::RunCli;
using vetra::test::ScratchDir;

// A map bitmap with a short horizontal wall of WallTile 0 at the top left.
std::vector<std::uint8_t> WallMap() {
    auto header = vetra::MapBitmapHeader();
    auto palette = vetra::MapPaletteTable();
    std::vector<std::uint8_t> bytes(vetra::kMapBitmapSize, 0);
    std::copy(header.begin(), header.end(), bytes.begin());
    std::copy(palette.begin(), palette.end(), bytes.begin() + vetra::kBitmapHeaderSize);
    std::size_t topRow = vetra::kPixelOffset + 1023u * 1024u;
    bytes[topRow] = bytes[topRow + 1] = bytes[topRow + 2] = 255;
    return bytes;
}

TEST(ConvertCommand, ConvertsAndNamesTheLevels) {
    ScratchDir dir;
    std::string map = dir.Write("walls.bmp", WallMap());
    CliRun run = RunCli({"convert", map});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output,
              "Created: " + dir.File("walls.lvl") + "\nvetra: Conversion completed.\n\n1 converted.\n");
    EXPECT_TRUE(ReadBytes(dir.File("walls.lvl")).empty());  // without a WallTile set the markers are dropped

    std::string wtd =
        dir.Write("set.wtd", std::string("WallTile#FFFFFF=0:1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16\r\n"));
    run = RunCli({"--verbose", "convert", "--walltiles", wtd, map});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output, "(1/1) Processing file: " + map + "\nCreated: " + dir.File("walls-0.lvl") +
                              "\nvetra: Conversion completed.\n\n1 converted.\n");
    // Slots 12, 13, 14 of the editor's grid: the east end, the middle and the west end of a row.
    EXPECT_EQ(ReadBytes(dir.File("walls-0.lvl")),
              (std::vector<std::uint8_t>{0, 0, 0, 13, 1, 0, 0, 14, 2, 0, 0, 15}));
}

TEST(ConvertCommand, TilesetGoesAtTheHeadOfEachLevel) {
    ScratchDir dir;
    std::string map = dir.Write("walls.bmp", WallMap());
    std::string tileset = dir.File("tiles.bmp");
    ASSERT_EQ(RunCli({"new-tiles", tileset}).status, 0);
    std::string wtd =
        dir.Write("set.wtd", std::string("WallTile=0:1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16\n"));
    CliRun run = RunCli({"convert", "--walltiles", wtd, "--tileset", tileset, "--clean-palette", map});
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(run.output,
              "Created: " + dir.File("walls.lvl") + "\nvetra: Conversion completed.\n\n1 converted.\n");
    std::vector<std::uint8_t> level = ReadBytes(dir.File("walls.lvl"));
    ASSERT_EQ(level.size(), 49718u + 12u);
    EXPECT_EQ(std::vector<std::uint8_t>(level.begin(), level.begin() + 49718), ReadBytes(tileset));

    run = RunCli({"convert", "--tileset", dir.File("none.bmp"), map});
    EXPECT_EQ(run.status, 1);
    // A level is written whole, with its tileset, or not at all.
    EXPECT_EQ(run.output.find("Created:"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("vetra: Could not convert " + map + ": " + dir.File("none.bmp") +
                              " could not be read."),
              std::string::npos)
        << run.output;
    EXPECT_FALSE(vetra::FileExists(dir.File("walls-0.lvl")));
}

TEST(ConvertCommand, RejectedAndFailedFilesExitWithOne) {
    ScratchDir dir;
    std::string map = dir.Write("good.bmp", WallMap());
    std::vector<std::uint8_t> narrow = WallMap();
    narrow[19] = 0x02;
    std::string bad = dir.Write("narrow.bmp", narrow);
    std::string small = dir.Write("small.bmp", std::string(100, 'x'));
    CliRun run = RunCli({"convert", map, bad, small});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find(bad + " is not a valid 1024-pixel wide map bitmap."), std::string::npos);
    EXPECT_NE(run.output.find("vetra: Could not convert " + bad +
                              ": it is not a valid 1024-pixel wide map bitmap."),
              std::string::npos);
    EXPECT_NE(run.output.find("Error: " + small + "\n is not big enough to be a map."), std::string::npos);
    EXPECT_NE(run.output.find("1 converted.\n2 could not be converted."), std::string::npos);
    EXPECT_NE(run.output.find("Created: " + dir.File("good.lvl")), std::string::npos);
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"good.bmp", "good.lvl", "narrow.bmp", "small.bmp"}));

    run = RunCli({"convert", "--walltiles", dir.File("missing.wtd"), map});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.output, dir.File("missing.wtd") +
                              ": does not exist\nvetra: Could not load the WallTile definitions " +
                              dir.File("missing.wtd") + ": does not exist.\n");
    EXPECT_EQ(RunCli({"convert"}).status, 2);
}

}  // namespace
