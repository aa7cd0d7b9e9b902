#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "support/scratchdir.h"

namespace {

using vetra::test::ReadBytes;
using vetra::test::ScratchDir;

struct ToolRun {
    int status;
    std::string out;
};

ToolRun RunTool(const std::string& arguments) {
    std::string command = std::string(VETRA_CLI_PATH) + " " + arguments + " 2>&1";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string out;
    std::array<char, 4096> buffer;
    while (std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe.get()))
        out.append(buffer.data(), n);
    int status = pclose(pipe.release());
    return {WEXITSTATUS(status), out};
}

std::string Quoted(const std::string& path) { return "'" + path + "'"; }

TEST(TileCommands, NewTilesWritesABlankTileset) {
    ScratchDir dir;
    std::string out = dir.File("new tiles.bmp");
    ToolRun run = RunTool("new-tiles " + Quoted(out));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "vetra: Blank tileset created.\nCreated: " + out + "\n");
    EXPECT_EQ(ReadBytes(out).size(), 49718u);
    EXPECT_EQ(RunTool("new-tiles").status, 2);
    EXPECT_EQ(RunTool("new-tiles " + Quoted(dir.File("missing/x.bmp"))).status, 1);
}

TEST(TileCommands, ApplyThenSplitGivesBackTilesetAndRecords) {
    ScratchDir dir;
    std::string tiles = dir.File("tiles.bmp");
    ASSERT_EQ(RunTool("new-tiles " + Quoted(tiles)).status, 0);
    std::vector<std::uint8_t> records = {1, 0, 0, 5, 2, 0, 0, 6};
    std::string level = dir.Write("map.lvl", records);
    ToolRun applied = RunTool("apply-tiles --tileset " + Quoted(tiles) + " " + Quoted(level));
    EXPECT_EQ(applied.status, 0);
    EXPECT_EQ(applied.out, "vetra: Tileset application complete.\n\n1 processed.\nCreated: " +
                               dir.File("map-0.lvl") + "\n");
    ToolRun split = RunTool("split-tiles --clean-palette " + Quoted(dir.File("map-0.lvl")));
    EXPECT_EQ(split.status, 0);
    EXPECT_EQ(ReadBytes(dir.File("map-0-s.bmp")), ReadBytes(tiles));
    EXPECT_EQ(ReadBytes(dir.File("map-0-s.lvl")), records);

    ToolRun refused = RunTool("split-tiles " + Quoted(level) + " " + Quoted(dir.File("x.txt")));
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.out.find("No tileset in " + level), std::string::npos);
    EXPECT_NE(refused.out.find("Level split completed.\n\n2 processed."), std::string::npos);
    EXPECT_EQ(RunTool("apply-tiles " + Quoted(level)).status, 2);
}

}  // namespace
