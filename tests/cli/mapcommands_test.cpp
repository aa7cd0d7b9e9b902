#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/clirun.h"
#include "support/scratchdir.h"

namespace {

using vetra::test::CliRun;
using vetra::test::ReadBytes;
using vetra::test::RunCli;
using vetra::test::ScratchDir;

std::uint8_t Pixel(const std::vector<std::uint8_t>& map, int x, int y) {
    return map.at(1078 + (1023 - y) * 1024 + x);
}

TEST(MapCommands, NewMap) {
    ScratchDir dir;
    std::string out = dir.File("blank.bmp");
    CliRun run = RunCli({"new-map", out});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output, "vetra: Blank map bitmap created.\nCreated: " + out + "\n");
    EXPECT_EQ(ReadBytes(out).size(), 1049654u);
}

TEST(MapCommands, DeconvertWithAndWithoutWallTiles) {
    ScratchDir dir;
    // Tile 7 at (3, 4) and tile 200 at (5, 4).
    std::string level = dir.Write("map.lvl", std::vector<std::uint8_t>{3, 0x40, 0, 7, 5, 0x40, 0, 200});
    std::string set = dir.Write("set.wtd", "WallTile#FFFFFF=0:7,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n");
    CliRun plain = RunCli({"deconvert", level, dir.File("x.bmp")});
    EXPECT_EQ(plain.status, 1);
    EXPECT_NE(
        plain.output.find(level + ": 1 tile that a map bitmap cannot hold was left out (tile number: 200)."),
        std::string::npos);
    EXPECT_NE(plain.output.find("Created: " + dir.File("map-m.bmp")), std::string::npos);
    EXPECT_NE(
        plain.output.find("vetra: Deconversion complete.\n\n1 deconverted.\n1 could not be deconverted.\n"),
        std::string::npos);
    EXPECT_EQ(Pixel(ReadBytes(dir.File("map-m.bmp")), 3, 4), 7);

    CliRun marked = RunCli({"deconvert", "--walltiles", set, level});
    EXPECT_EQ(marked.status, 0);
    EXPECT_EQ(Pixel(ReadBytes(dir.File("map-m-0.bmp")), 3, 4), 255);

    CliRun missing = RunCli({"deconvert", "--walltiles", dir.File("none.wtd"), level});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.output, dir.File("none.wtd") +
                                  ": does not exist\nvetra: Could not load the WallTile definitions " +
                                  dir.File("none.wtd") + ": does not exist.\n");
    EXPECT_EQ(RunCli({"deconvert"}).status, 2);
}

TEST(MapCommands, ReLink) {
    ScratchDir dir;
    // Two wall pieces side by side, both drawn as the lone piece 7 (the last slot); the slots of the west and
    // the east end hold 8 and 9.
    std::string level = dir.Write("map.lvl", std::vector<std::uint8_t>{3, 0x40, 0, 7, 4, 0x40, 0, 7});
    std::string set = dir.Write("set.wtd", "WallTile#FFFFFF=0:0,0,0,0,0,0,0,0,0,0,0,0,9,0,8,7\r\n");
    CliRun run = RunCli({"relink", "--walltiles", set, level});
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(run.output, "Created: " + dir.File("map-0.lvl") + "\n");
    EXPECT_EQ(ReadBytes(dir.File("map-0.lvl")), (std::vector<std::uint8_t>{3, 0x40, 0, 9, 4, 0x40, 0, 8}));
    EXPECT_EQ(RunCli({"relink", level}).status, 2);
}

}  // namespace
