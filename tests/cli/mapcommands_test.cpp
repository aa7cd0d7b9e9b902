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

struct MapRun {
    int status;
    std::string out;
};

MapRun RunMapTool(const std::string& arguments) {
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

std::uint8_t Pixel(const std::vector<std::uint8_t>& map, int x, int y) {
    return map.at(1078 + (1023 - y) * 1024 + x);
}

TEST(MapCommands, NewMap) {
    ScratchDir dir;
    std::string out = dir.File("blank.bmp");
    MapRun run = RunMapTool("new-map " + Quoted(out));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "vetra: Blank map bitmap created.\nCreated: " + out + "\n");
    EXPECT_EQ(ReadBytes(out).size(), 1049654u);
}

TEST(MapCommands, DeconvertWithAndWithoutWallTiles) {
    ScratchDir dir;
    // Tile 7 at (3, 4) and tile 200 at (5, 4).
    std::string level = dir.Write("map.lvl", std::vector<std::uint8_t>{3, 0x40, 0, 7, 5, 0x40, 0, 200});
    std::string set = dir.Write("set.wtd", "WallTile#FFFFFF=0:7,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n");
    MapRun plain = RunMapTool("deconvert " + Quoted(level) + " " + Quoted(dir.File("x.bmp")));
    EXPECT_EQ(plain.status, 1);
    EXPECT_NE(
        plain.out.find(level + ": 1 tile that a map bitmap cannot hold was left out (tile number: 200)."),
        std::string::npos);
    EXPECT_NE(
        plain.out.find("vetra: Deconversion complete.\n\n2 deconverted.\nCreated: " + dir.File("map-m.bmp")),
        std::string::npos);
    EXPECT_EQ(Pixel(ReadBytes(dir.File("map-m.bmp")), 3, 4), 7);

    MapRun marked = RunMapTool("deconvert --walltiles " + Quoted(set) + " " + Quoted(level));
    EXPECT_EQ(marked.status, 0);
    EXPECT_EQ(Pixel(ReadBytes(dir.File("map-m-0.bmp")), 3, 4), 255);

    MapRun missing =
        RunMapTool("deconvert --walltiles " + Quoted(dir.File("none.wtd")) + " " + Quoted(level));
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, dir.File("none.wtd") + ": does not exist\nvetra: Could not load the WallTile definitions " +
                               dir.File("none.wtd") + ": does not exist.\n");
    EXPECT_EQ(RunMapTool("deconvert").status, 2);
}

TEST(MapCommands, ReLink) {
    ScratchDir dir;
    // Two wall pieces side by side, both drawn as the lone piece 7 (the last slot); the slots of the west and
    // the east end hold 8 and 9.
    std::string level = dir.Write("map.lvl", std::vector<std::uint8_t>{3, 0x40, 0, 7, 4, 0x40, 0, 7});
    std::string set = dir.Write("set.wtd", "WallTile#FFFFFF=0:0,0,0,0,0,0,0,0,0,0,0,0,9,0,8,7\r\n");
    MapRun run = RunMapTool("relink --walltiles " + Quoted(set) + " " + Quoted(level));
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.out, "Created: " + dir.File("map-0.lvl") + "\n");
    EXPECT_EQ(ReadBytes(dir.File("map-0.lvl")), (std::vector<std::uint8_t>{3, 0x40, 0, 9, 4, 0x40, 0, 8}));
    EXPECT_EQ(RunMapTool("relink " + Quoted(level)).status, 2);
}

}  // namespace
