#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/clirun.h"
#include "support/elvllevel.h"
#include "support/scratchdir.h"
#include "util/fileio.h"

namespace {

using vetra::test::ElvlLevel;
using vetra::test::RunCli;
using vetra::test::ScratchDir;
using vetra::test::TileRun;

// The sets of a level go to the .wtd named, then to a numbered name beside it; the file is one the WallTile
// editor and the other commands load.
TEST(WallTilesCommand, WritesTheLevelsSetsToAWtdAndNeverReplacesOne) {
    ScratchDir dir;
    std::string level = dir.Write(
        "walls.lvl", ElvlLevel({vetra::test::DcwtChunk(TileRun(1)), vetra::test::DcwtChunk(TileRun(21))}));
    std::string out = dir.File("set.wtd");
    vetra::test::CliRun first = RunCli({"walltiles", level, "--out", out});
    EXPECT_EQ(first.status, 0) << first.output;
    EXPECT_EQ(first.output, "Created: " + out + "\n");
    std::vector<std::uint8_t> text = vetra::test::ReadBytes(out);
    EXPECT_EQ(std::string(text.begin(), text.end()),
              "WallTile#FFFFFF=0:10,14,13,9,12,16,15,11,4,8,7,3,2,6,5,1\r\n"
              "WallTile#60FFFF=1:30,34,33,29,32,36,35,31,24,28,27,23,22,26,25,21\r\n");

    vetra::test::CliRun second = RunCli({"walltiles", level, "--out", out});
    EXPECT_EQ(second.status, 0);
    EXPECT_EQ(second.output, "Created: " + dir.File("set-0.wtd") + "\n");
    EXPECT_EQ(vetra::test::ReadBytes(out), text);

    vetra::test::CliRun beside = RunCli({"walltiles", level});
    EXPECT_EQ(beside.status, 0);
    EXPECT_TRUE(vetra::FileExists(dir.File("walls.wtd")));
}

TEST(WallTilesCommand, ALevelWithoutSetsOrAnotherFileWritesNothing) {
    ScratchDir dir;
    std::string none = dir.Write("plain.lvl", ElvlLevel({{"DCID", {1, 2, 3, 4}}}));
    vetra::test::CliRun run = RunCli({"walltiles", none, "--out", dir.File("x.wtd")});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find("vetra: Could not load the WallTile sets of " + none +
                              ": it has no WallTile sets (DCWT chunks) in its extended level data."),
              std::string::npos)
        << run.output;

    EXPECT_EQ(RunCli({"walltiles", dir.File("missing.lvl")}).status, 1);
    EXPECT_EQ(RunCli({"walltiles", dir.Write("set.wtd", std::string("WallTile=0:1"))}).status, 2);
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"plain.lvl", "set.wtd"}));
}

}  // namespace
