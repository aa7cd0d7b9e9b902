// What every command says of a level beyond its tiles: stray bytes behind the last record, tiles hidden under
// objects, and global options typed after the command.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/clirun.h"
#include "support/levelfixtures.h"
#include "support/scratchdir.h"

namespace {

using vetra::test::CliRun;
using vetra::test::Joined;
using vetra::test::LevelBytes;
using vetra::test::RunCli;
using vetra::test::ScratchDir;
using vetra::test::TilesetBitmap;

TEST(ReportLines, EveryCommandSaysWhatBecameOfStrayBytes) {
    struct Case {
        std::vector<std::string> arguments;  // the level follows
        std::string said;                    // after the level's path
    } cases[] = {
        {{"deconvert"}, ": 2 stray bytes at the end were ignored."},
        {{"relink", "--walltiles", "{wtd}"}, ": 2 stray bytes at the end were ignored."},
        {{"overlay", "--overlay", "{overlay}"}, ": 2 stray bytes at the end were ignored."},
        {{"apply-tiles", "--tileset", "{tiles}"}, ": 2 stray bytes at the end were kept as they stood."},
        {{"split-tiles"}, ": 2 stray bytes at the end were kept as they stood."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments[0]);
        ScratchDir dir;
        std::string level = dir.Write("cut.lvl", Joined(LevelBytes(TilesetBitmap(), {{1, 1, 1}}), {7, 7}));
        std::vector<std::string> arguments;
        for (const std::string& argument : c.arguments) {
            if (argument == "{wtd}")
                arguments.push_back(
                    dir.Write("set.wtd", "WallTile#FFFFFF=0:1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16\r\n"));
            else if (argument == "{overlay}")
                arguments.push_back(dir.Write("diff.lvl", LevelBytes({}, {{2, 2, 2}})));
            else if (argument == "{tiles}")
                arguments.push_back(dir.Write("tiles.bmp", TilesetBitmap({.seed = 3})));
            else
                arguments.push_back(argument);
        }
        arguments.push_back(level);
        CliRun run = RunCli(arguments);
        EXPECT_EQ(run.status, 0) << run.output;
        EXPECT_NE(run.output.find(level + c.said), std::string::npos) << run.output;
    }
}

TEST(ReportLines, TilesHiddenUnderAnObjectAreSaidToBeLeftOut) {
    ScratchDir dir;
    // A wall tile under a station that comes after it, and one drawn over the station after it.
    std::string level = dir.Write("hidden.lvl", LevelBytes({}, {{12, 12, 5}, {10, 10, 219}, {11, 11, 6}}));
    CliRun run = RunCli({"deconvert", level});
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find(level + ": 1 tile hidden under an object was left out."), std::string::npos)
        << run.output;
}

TEST(ReportLines, GlobalOptionsComeBeforeOrAfterTheCommand) {
    ScratchDir dir;
    std::string level = dir.Write("a.lvl", LevelBytes({}, {{1, 1, 1}}));
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"--verbose", "deconvert", level},
          {"deconvert", "--verbose", level},
          {"deconvert", level, "-v"}}) {
        CliRun run = RunCli(arguments);
        EXPECT_EQ(run.status, 0) << run.output;
        EXPECT_NE(run.output.find("(1/1) Processing file: " + level), std::string::npos) << run.output;
    }
}

}  // namespace
