#include <gtest/gtest.h>

#include <string>

#include "cli/clirun.h"
#include "formats/bitmapheader.h"
#include "support/levelfixtures.h"
#include "support/scratchdir.h"

namespace {

using vetra::TileRecord;
using vetra::test::CliRun;
using vetra::test::LevelBytes;
using vetra::test::ReadBytes;
using vetra::test::RecordsOf;
using vetra::test::RunCli;
using vetra::test::ScratchDir;
using vetra::test::TilesetBitmap;
using Records = std::vector<TileRecord>;

TEST(LevelCommands, OverlayAndDiff) {
    ScratchDir dir;
    std::string a = dir.Write("map.lvl", LevelBytes(TilesetBitmap(), {{1, 1, 1}, {2, 2, 2}}));
    std::string b = dir.Write("edit.lvl", LevelBytes({}, {{1, 1, 1}, {2, 2, 5}, {3, 3, 3}}));
    CliRun diff = RunCli({"diff", a, b});
    EXPECT_EQ(diff.status, 0);
    EXPECT_EQ(diff.output, "Processing file: " + a + "\nCreated: " + dir.File("map-0.lvl") +
                               "\nvetra: Diff generation complete.\n");
    EXPECT_EQ(ReadBytes(dir.File("map-0.lvl")), LevelBytes(TilesetBitmap(), {{2, 2, 5}, {3, 3, 3}}));

    CliRun overlay = RunCli({"overlay", "--overlay", dir.File("map-0.lvl"), a});
    EXPECT_EQ(overlay.status, 0);
    EXPECT_EQ(overlay.output, "Created: " + dir.File("map-1.lvl") +
                                  "\nvetra: Overlay application complete.\n\n1 processed.\n");
    EXPECT_EQ(RecordsOf(ReadBytes(dir.File("map-1.lvl"))), (Records{{1, 1, 1}, {2, 2, 5}, {3, 3, 3}}));

    CliRun wrongName = RunCli({"overlay", "--overlay", dir.File("notes.txt"), a});
    EXPECT_EQ(wrongName.status, 2);
    EXPECT_EQ(RunCli({"diff", a, dir.File("x.bmp")}).status, 2);
    CliRun missing = RunCli({"overlay", "--overlay", dir.File("map-0.lvl"), dir.File("gone.lvl")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.output.find("gone.lvl: does not exist"), std::string::npos);
}

TEST(LevelCommands, InfoViewEditWipe) {
    ScratchDir dir;
    auto original = LevelBytes(TilesetBitmap(), {{1, 1, 1}});
    std::string level = dir.Write("m.lvl", original);
    EXPECT_EQ(RunCli({"info", "view", level}).output, "No embedded comments.\n");

    CliRun kept = RunCli({"info", "edit", "--keep-original", "--text", "Caf\xC3\xA9", level});
    EXPECT_EQ(kept.status, 0);
    EXPECT_EQ(kept.output, "Created: " + dir.File("m-0.lvl") + "\n");
    EXPECT_EQ(ReadBytes(level), original);
    EXPECT_EQ(RunCli({"info", "view", dir.File("m-0.lvl")}).output, "VETRA-0.9.0\n\nCaf\xC3\xA9\n");
    auto stored = ReadBytes(dir.File("m-0.lvl"));
    EXPECT_EQ(stored[vetra::kTilesetSize + 15 + 3], 0xE9);  // Windows-1252, one byte

    dir.Write("words.txt", std::string("\xEF\xBB\xBFline one\nline two\n"));
    CliRun edited = RunCli({"info", "edit", "--text-file", dir.File("words.txt"), level});
    EXPECT_EQ(edited.status, 0);
    EXPECT_EQ(RunCli({"info", "view", level}).output, "VETRA-0.9.0\n\nline one\nline two\n\n");
    EXPECT_EQ(RecordsOf(ReadBytes(level)), (Records{{1, 1, 1}}));

    EXPECT_EQ(RunCli({"info", "wipe", level}).status, 0);
    EXPECT_EQ(ReadBytes(level), original);
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"m-0.lvl", "m.lvl", "words.txt"}));
}

TEST(LevelCommands, InfoRefusals) {
    ScratchDir dir;
    std::string plain = dir.Write("plain.lvl", LevelBytes({}, {{1, 1, 1}}));
    CliRun view = RunCli({"info", "view", plain});
    EXPECT_EQ(view.output.rfind("No tileset!\n\n", 0), 0u);
    CliRun edit = RunCli({"info", "edit", "--text", "hi", plain});
    EXPECT_EQ(edit.status, 1);
    EXPECT_EQ(edit.output.rfind("vetra: No tileset!", 0), 0u);
    EXPECT_EQ(RunCli({"info", "edit", plain}).status, 2);
    EXPECT_EQ(RunCli({"info", "edit", "--text", "a", "--text-file", "b", plain}).status, 2);
    EXPECT_EQ(RunCli({"info", "view", dir.File("none.lvl")}).status, 1);

    auto cut = TilesetBitmap();
    cut.resize(30000);
    std::string broken = dir.Write("cut.bmp", cut);
    CliRun wipe = RunCli({"info", "wipe", broken});
    EXPECT_EQ(wipe.status, 1);
    EXPECT_EQ(wipe.output,
              "vetra: " + broken + " is not a complete bitmap; its comments are left unchanged.\n");
    EXPECT_EQ(ReadBytes(broken), cut);
}

}  // namespace
