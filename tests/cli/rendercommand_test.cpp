#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/clirun.h"
#include "formats/level.h"
#include "support/levelfixtures.h"
#include "support/scratchdir.h"
#include "util/fileio.h"

namespace {

using vetra::test::RunCli;
using vetra::test::ScratchDir;

struct PngSize {
    std::uint32_t width = 0, height = 0;
    bool operator==(const PngSize&) const = default;
};

PngSize SizeOf(const std::string& png) {
    std::vector<std::uint8_t> bytes = vetra::test::ReadBytes(png);
    if (bytes.size() < 24) return {};
    auto big = [&](std::size_t at) {
        return static_cast<std::uint32_t>(bytes[at] << 24 | bytes[at + 1] << 16 | bytes[at + 2] << 8 |
                                          bytes[at + 3]);
    };
    return {big(16), big(20)};
}

TEST(RenderCommand, WritesAPictureBesideEachInputAndNeverReplacesOne) {
    ScratchDir dir;
    std::string level = dir.Write(
        "town.lvl", vetra::test::LevelBytes(vetra::test::TilesetBitmap(), {{10, 20, 1}, {12, 24, 219}}));
    std::string map = dir.Write("map.bmp", vetra::test::PatternBitmap(1024, 1024));
    vetra::test::CliRun first = RunCli({"render", level, map});
    EXPECT_EQ(first.status, 0) << first.output;
    EXPECT_EQ(first.output, "Created: " + dir.File("town.png") + "\nCreated: " + dir.File("map.png") + "\n");
    EXPECT_EQ(SizeOf(dir.File("town.png")), (PngSize{1024, 1024}));

    vetra::test::CliRun again = RunCli({"render", "--crop", "--cell-size", "16", level});
    EXPECT_EQ(again.status, 0) << again.output;
    EXPECT_EQ(again.output, "Created: " + dir.File("town-0.png") + "\n");
    // Cells 9..18 across and 19..30 down: the records, the station's footprint and a cell of margin.
    EXPECT_EQ(SizeOf(dir.File("town-0.png")), (PngSize{10 * 16, 12 * 16}));

    std::string out = dir.File("chosen.png");
    EXPECT_EQ(RunCli({"render", "--out", out, "--cell-size", "2", level}).output, "Created: " + out + "\n");
    EXPECT_EQ(SizeOf(out), (PngSize{2048, 2048}));
    EXPECT_EQ(RunCli({"render", "--out", out, level}).output, "Created: " + dir.File("chosen-0.png") + "\n");
}

TEST(RenderCommand, RefusalsNameTheFileAndWriteNothing) {
    ScratchDir dir;
    std::string small = dir.Write("small.bmp", vetra::test::PatternBitmap(304, 160));
    std::string good = dir.Write("good.lvl", vetra::test::LevelBytes({}, {{0, 0, 1}}));
    vetra::test::CliRun run = RunCli({"render", small, dir.File("missing.lvl"), good});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find("vetra: Could not draw " + small + ": it is not a 1024 x 1024 map bitmap."),
              std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find("vetra: Could not draw " + dir.File("missing.lvl")), std::string::npos);
    EXPECT_NE(run.output.find("Created: " + dir.File("good.png")), std::string::npos);
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"good.lvl", "good.png", "small.bmp"}));

    EXPECT_EQ(RunCli({"render", "--cell-size", "3", good}).status, 2);
    EXPECT_EQ(RunCli({"render", "--out", dir.File("x.png"), good, good}).status, 2);
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"good.lvl", "good.png", "small.bmp"}));
}

// A full level at the game's scale is 16384 x 16384 pixels; it is written a row at a time.
TEST(RenderCommand, AFullLevelAtTheGamesScaleStaysInBoundedMemory) {
    if (!vetra::test::kPeakMemoryIsMeaningful)
        GTEST_SKIP() << "peak memory means nothing under AddressSanitizer";
    ScratchDir dir;
    std::vector<vetra::TileRecord> records;
    for (int y = 0; y < 1024; y += 3)
        for (int x = 0; x < 1024; x += 2)
            records.push_back({x, y, static_cast<std::uint8_t>(1 + (x + y) % 190)});
    std::string level = dir.Write("full.lvl", vetra::test::LevelBytes(vetra::test::TilesetBitmap(), records));
    vetra::test::CliRun run = RunCli({"render", "--cell-size", "16", level}, "", 600);
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(SizeOf(dir.File("full.png")), (PngSize{16384, 16384}));
    EXPECT_LE(run.peakKb, 64 * 1024) << "peak memory in KiB";
}

}  // namespace
