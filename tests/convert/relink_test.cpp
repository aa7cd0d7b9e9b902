#include "convert/relink.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

#include "mapconversion_fixture.h"
#include "support/levelfixtures.h"
#include "support/recordinghost.h"
#include "support/scratchdir.h"
#include "util/batch.h"

namespace vetra::convert {
namespace {

using namespace vetra::test;
using Tiles = std::map<std::pair<int, int>, int>;

// Entry e of the one WallTile is tile 100 + e, so a joined cell tells its mask.
ConverterWallTiles TellingWallTile() {
    WallTileEntries entries{};
    for (int e = 0; e < 20; ++e) entries[e] = static_cast<std::uint8_t>(100 + e);
    return ConverterWallTiles{{entries}, {false}};
}

const ReLinkOptions kOptions{.wallTiles = TellingWallTile()};

// Levels in one folder, the temporary folder in another that the test watches.
class ReLink : public ::testing::Test {
protected:
    void SetUp() override {
        if (const char* temp = std::getenv("TEMP")) savedTemp_ = temp;
        setenv("TEMP", temp.Path().c_str(), 1);
    }
    void TearDown() override {
        if (savedTemp_)
            setenv("TEMP", savedTemp_->c_str(), 1);
        else
            unsetenv("TEMP");
    }

    ScratchDir dir;
    ScratchDir temp;
    RecordingHost host;

private:
    std::optional<std::string> savedTemp_;
};

TEST_F(ReLink, WritesNumberedLevelsAndLeavesNoBitmapsBehind) {
    Bytes original = RecordBytes({{4, 9, 100}});
    std::string arena = dir.Write("arena.lvl", original);
    EXPECT_EQ(host.Report(ReLinkLevel(host, arena, kOptions)).written, std::vector<std::string>{dir.File("arena-0.lvl")});
    temp.Write("arena-m.bmp", "taken");
    EXPECT_EQ(host.Report(ReLinkLevel(host, arena, kOptions)).written, std::vector<std::string>{dir.File("arena-1.lvl")});
    EXPECT_EQ(ReadBytes(arena), original);
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"arena-0.lvl", "arena-1.lvl", "arena.lvl"}));
    EXPECT_EQ(temp.Names(), std::vector<std::string>{"arena-m.bmp"});
}

TEST_F(ReLink, HandMixedWallsComeOutJoinedAndOtherTilesStay) {
    Bytes tileset = TilesetBitmap();
    struct Case {
        const char* name;
        Bytes head;
    } cases[] = {{"without tileset", {}}, {"with tileset", tileset}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchDir folder;
        // A row of three all drawn with the isolated piece, a lone piece of another mask, a plain tile.
        Bytes records = RecordBytes({{4, 9, 100}, {5, 9, 100}, {6, 9, 100}, {10, 10, 107}, {5, 20, 7}});
        std::string level = folder.Write("map.lvl", Joined(c.head, records));
        FileResult outcome = host.Report(ReLinkLevel(host, level, kOptions));
        ASSERT_TRUE(outcome.Done());
        Bytes linked = ReadBytes(folder.File("map-0.lvl"));
        ASSERT_GE(linked.size(), c.head.size());
        EXPECT_EQ(Bytes(linked.begin(), linked.begin() + static_cast<long>(c.head.size())), c.head);
        Tiles expected = {{{4, 9}, 104}, {{5, 9}, 106}, {{6, 9}, 102}, {{10, 10}, 100}, {{5, 20}, 7}};
        EXPECT_EQ(TilesByPosition(Bytes(linked.begin() + static_cast<long>(c.head.size()), linked.end())),
                  expected);
    }
    EXPECT_TRUE(temp.Names().empty());
}

TEST_F(ReLink, TilesAMapBitmapCannotHoldAreCarriedOverBehindInTheirOrder) {
    struct Case {
        const char* name;
        std::vector<TileRecord> records;
        std::vector<TileRecord> carried;
        std::string line;  // "" for none
    } cases[] = {
        {"none", {{4, 9, 100}, {9, 9, 216}}, {}, ""},
        {"one", {{4, 9, 100}, {8, 8, 191}}, {{8, 8, 191}}, ": 1 tile carried over unchanged."},
        {"several",
         {{8, 8, 230}, {4, 9, 100}, {7, 7, 215}, {9, 9, 216}, {7, 7, 255}},
         {{8, 8, 230}, {7, 7, 215}, {7, 7, 255}},
         ": 3 tiles carried over unchanged."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchDir folder;
        RecordingHost caseHost;
        std::string level = folder.Write("map.lvl", RecordBytes(c.records));
        ASSERT_TRUE(caseHost.Report(ReLinkLevel(caseHost, level, kOptions)).Done());
        std::vector<TileRecord> written = Records(ReadBytes(folder.File("map-0.lvl")));
        ASSERT_GE(written.size(), c.carried.size());
        EXPECT_EQ(std::vector<TileRecord>(written.end() - static_cast<long>(c.carried.size()), written.end()),
                  c.carried);
        // Ahead of them only what the round trip itself gives: the lone wall piece and the holdable tile.
        std::vector<TileRecord> converted(written.begin(),
                                          written.end() - static_cast<long>(c.carried.size()));
        EXPECT_EQ(TilesByPosition(RecordBytes(converted)).at({4, 9}), 100);
        for (const TileRecord& record : converted) EXPECT_TRUE(record.tile == 100 || record.tile == 216);
        std::vector<std::string> summary = caseHost.Summary();
        bool hasLine = std::find(summary.begin(), summary.end(), level + c.line) != summary.end();
        EXPECT_EQ(hasLine, !c.line.empty());
    }
}

TEST_F(ReLink, AFailingLevelLeavesNothingAndTheBatchGoesOn) {
    std::string broken = dir.Write("broken.lvl", RecordBytes({{2000, 5, 100}}));
    std::string good = dir.Write("good.lvl", RecordBytes({{1, 1, 7}}));
    std::string text = dir.Write("notes.bmp", "not a level");
    BatchReport report = RunBatch(host, {broken, text, good}, ReLinkOperation(kOptions).job);
    EXPECT_EQ(report.failed, 1);
    EXPECT_EQ(report.Written(), std::vector<std::string>{dir.File("good-0.lvl")});
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"broken.lvl", "good-0.lvl", "good.lvl", "notes.bmp"}));
    EXPECT_TRUE(temp.Names().empty());
    std::vector<std::string> summary = host.Summary();
    EXPECT_NE(std::find(summary.begin(), summary.end(),
                        "-=-=-=-=-=-=-=-=-\r\n" + broken + " could not be re-linked.\r\n-=-=-=-=-=-=-=-=-"),
              summary.end());
    EXPECT_NE(std::find(summary.begin(), summary.end(), "Error: " + text + "\r\n is not a .lvl file.\r\n"),
              summary.end());
}

TEST_F(ReLink, TheBatchJoinsWithTheSetItIsGiven) {
    std::string level = dir.Write("map.lvl", RecordBytes({{4, 9, 100}, {5, 9, 100}}));
    BatchOperation operation = ReLinkOperation(kOptions);
    EXPECT_EQ(operation.dialogTitle, "File(s) to re-link:");
    EXPECT_EQ(operation.filter, "SubSpace Levels (*.lvl)|*.lvl");
    EXPECT_TRUE(operation.completion.empty());
    RunBatch(host, {level}, operation.job);
    EXPECT_EQ(TilesByPosition(ReadBytes(dir.File("map-0.lvl"))), (Tiles{{{4, 9}, 104}, {{5, 9}, 102}}));
    RunBatch(host, {level}, ReLinkOperation({}).job);
    EXPECT_EQ(TilesByPosition(ReadBytes(dir.File("map-1.lvl"))), (Tiles{{{4, 9}, 100}, {{5, 9}, 100}}));
}

}  // namespace
}  // namespace vetra::convert
