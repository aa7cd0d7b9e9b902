#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <memory>
#include <string>

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
    while (std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe.get())) out.append(buffer.data(), n);
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

}  // namespace
