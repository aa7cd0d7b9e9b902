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

TEST(TileCommands, NewTilesWritesABlankTileset) {
    ScratchDir dir;
    std::string out = dir.File("new tiles.bmp");
    CliRun run = RunCli({"new-tiles", out});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output, "vetra: Blank tileset created.\nCreated: " + out + "\n");
    EXPECT_EQ(ReadBytes(out).size(), 49718u);
    EXPECT_EQ(RunCli({"new-tiles"}).status, 2);
    EXPECT_EQ(RunCli({"new-tiles", dir.File("missing/x.bmp")}).status, 1);
}

TEST(TileCommands, ApplyThenSplitGivesBackTilesetAndRecords) {
    ScratchDir dir;
    std::string tiles = dir.File("tiles.bmp");
    ASSERT_EQ(RunCli({"new-tiles", tiles}).status, 0);
    std::vector<std::uint8_t> records = {1, 0, 0, 5, 2, 0, 0, 6};
    std::string level = dir.Write("map.lvl", records);
    CliRun applied = RunCli({"apply-tiles", "--tileset", tiles, level});
    EXPECT_EQ(applied.status, 0);
    EXPECT_EQ(applied.output, "Created: " + dir.File("map-0.lvl") +
                                  "\nvetra: Tileset application complete.\n\n1 processed.\n");
    CliRun split = RunCli({"split-tiles", "--clean-palette", dir.File("map-0.lvl")});
    EXPECT_EQ(split.status, 0);
    EXPECT_EQ(ReadBytes(dir.File("map-0-s.bmp")), ReadBytes(tiles));
    EXPECT_EQ(ReadBytes(dir.File("map-0-s.lvl")), records);

    CliRun refused = RunCli({"split-tiles", level, dir.File("x.txt")});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.output.find("No tileset in " + level), std::string::npos);
    EXPECT_NE(refused.output.find("Level split completed.\n\n0 processed.\n2 could not be processed."),
              std::string::npos);
    EXPECT_EQ(RunCli({"apply-tiles", level}).status, 2);
}

}  // namespace
