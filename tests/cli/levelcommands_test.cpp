#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <memory>
#include <string>

#include "convert/levelfixture.h"
#include "support/scratchdir.h"

namespace {

using vetra::TileRecord;
using vetra::test::LevelBytes;
using vetra::test::ReadBytes;
using vetra::test::RecordsOf;
using vetra::test::ScratchDir;
using vetra::test::TilesetBytes;
using Records = std::vector<TileRecord>;

struct CliRun {
    int status;
    std::string out;
};

CliRun Cli(const std::string& arguments) {
    std::string command = std::string(VETRA_CLI_PATH) + " " + arguments + " 2>&1";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string out;
    std::array<char, 4096> buffer;
    while (std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe.get())) out.append(buffer.data(), n);
    int status = pclose(pipe.release());
    return {WEXITSTATUS(status), out};
}

std::string Quoted(const std::string& path) { return "'" + path + "'"; }

TEST(LevelCommands, OverlayAndDiff) {
    ScratchDir dir;
    std::string a = dir.Write("map.lvl", LevelBytes(TilesetBytes(), {{1, 1, 1}, {2, 2, 2}}));
    std::string b = dir.Write("edit.lvl", LevelBytes({}, {{1, 1, 1}, {2, 2, 5}, {3, 3, 3}}));
    CliRun diff = Cli("diff " + Quoted(a) + " " + Quoted(b));
    EXPECT_EQ(diff.status, 0);
    EXPECT_EQ(diff.out, "Processing file: " + a + "\nvetra: Diff generation complete.\nCreated: " + dir.File("map-0.lvl") +
                            "\n");
    EXPECT_EQ(ReadBytes(dir.File("map-0.lvl")), LevelBytes(TilesetBytes(), {{2, 2, 5}, {3, 3, 3}}));

    CliRun overlay = Cli("overlay --overlay " + Quoted(dir.File("map-0.lvl")) + " " + Quoted(a));
    EXPECT_EQ(overlay.status, 0);
    EXPECT_EQ(overlay.out, "vetra: Overlay application complete.\n\n1 processed.\nCreated: " + dir.File("map-1.lvl") +
                               "\n");
    EXPECT_EQ(RecordsOf(ReadBytes(dir.File("map-1.lvl"))), (Records{{1, 1, 1}, {2, 2, 5}, {3, 3, 3}}));

    CliRun wrongName = Cli("overlay --overlay " + Quoted(dir.File("notes.txt")) + " " + Quoted(a));
    EXPECT_EQ(wrongName.status, 2);
    EXPECT_EQ(Cli("diff " + Quoted(a) + " " + Quoted(dir.File("x.bmp"))).status, 2);
    CliRun missing = Cli("overlay --overlay " + Quoted(dir.File("map-0.lvl")) + " " + Quoted(dir.File("gone.lvl")));
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.out.find("gone.lvl: does not exist"), std::string::npos);
}

TEST(LevelCommands, InfoViewEditWipe) {
    ScratchDir dir;
    auto original = LevelBytes(TilesetBytes(), {{1, 1, 1}});
    std::string level = dir.Write("m.lvl", original);
    EXPECT_EQ(Cli("info view " + Quoted(level)).out, "No embedded comments.\n");

    CliRun kept = Cli("info edit --keep-original --text 'Caf\xC3\xA9' " + Quoted(level));
    EXPECT_EQ(kept.status, 0);
    EXPECT_EQ(kept.out, "Created: " + dir.File("m-0.lvl") + "\n");
    EXPECT_EQ(ReadBytes(level), original);
    EXPECT_EQ(Cli("info view " + Quoted(dir.File("m-0.lvl"))).out, "VETRA-0.9.0\n\nCaf\xC3\xA9\n");
    auto stored = ReadBytes(dir.File("m-0.lvl"));
    EXPECT_EQ(stored[vetra::kTilesetSize + 15 + 3], 0xE9);  // Windows-1252, one byte

    dir.Write("words.txt", std::string("\xEF\xBB\xBFline one\nline two\n"));
    CliRun edited = Cli("info edit --text-file " + Quoted(dir.File("words.txt")) + " " + Quoted(level));
    EXPECT_EQ(edited.status, 0);
    EXPECT_EQ(Cli("info view " + Quoted(level)).out, "VETRA-0.9.0\n\nline one\nline two\n\n");
    EXPECT_EQ(RecordsOf(ReadBytes(level)), (Records{{1, 1, 1}}));

    EXPECT_EQ(Cli("info wipe " + Quoted(level)).status, 0);
    EXPECT_EQ(ReadBytes(level), original);
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"m-0.lvl", "m.lvl", "words.txt"}));
}

TEST(LevelCommands, InfoRefusals) {
    ScratchDir dir;
    std::string plain = dir.Write("plain.lvl", LevelBytes({}, {{1, 1, 1}}));
    CliRun view = Cli("info view " + Quoted(plain));
    EXPECT_EQ(view.out.rfind("No tileset!\n\n", 0), 0u);
    CliRun edit = Cli("info edit --text hi " + Quoted(plain));
    EXPECT_EQ(edit.status, 1);
    EXPECT_EQ(edit.out.rfind("vetra: No tileset!", 0), 0u);
    EXPECT_EQ(Cli("info edit " + Quoted(plain)).status, 2);
    EXPECT_EQ(Cli("info edit --text a --text-file b " + Quoted(plain)).status, 2);
    EXPECT_EQ(Cli("info view " + Quoted(dir.File("none.lvl"))).status, 1);

    auto cut = TilesetBytes();
    cut.resize(30000);
    std::string broken = dir.Write("cut.bmp", cut);
    CliRun wipe = Cli("info wipe " + Quoted(broken));
    EXPECT_EQ(wipe.status, 1);
    EXPECT_EQ(wipe.out, "vetra: " + broken + " is not a complete bitmap; its comments are left unchanged.\n");
    EXPECT_EQ(ReadBytes(broken), cut);
}

}  // namespace
