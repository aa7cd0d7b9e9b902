#include "walltiles/model/levelwalltiles.h"

#include <gtest/gtest.h>

#include "support/elvllevel.h"
#include "support/scratchdir.h"
#include "util/fileio.h"
#include "walltiles/model/wtdfile.h"

namespace vetra {
namespace {

using levelwalltiles::ReadLevelWallTiles;
using test::DcwtChunk;
using test::ElvlLevel;
using test::TileRun;

// A chunk's mask has 1 east, 2 north, 4 west, 8 south; the converter's 1 north, 2 west, 4 east, 8 south.
TEST(LevelWallTiles, EachChunkMaskLandsOnTheConverterEntryWithTheSameNeighbours) {
    struct Case {
        int chunkMask;
        int converterEntry;
    };
    const Case cases[] = {{0, 0}, {1, 4},  {2, 1},  {3, 5},   {4, 2},   {5, 6},   {6, 3},   {7, 7},
                          {8, 8}, {9, 12}, {10, 9}, {11, 13}, {12, 10}, {13, 14}, {14, 11}, {15, 15}};
    std::vector<std::uint8_t> tiles = TileRun(1);  // chunk mask m holds tile m + 1
    WallTileDefinition definition =
        levelwalltiles::DefinitionFromChunk(std::span<const std::uint8_t, 16>(tiles));
    WallTileEntries entries = definition.ToConverterOrder();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chunkMask);
        EXPECT_EQ(levelwalltiles::ConverterEntry(c.chunkMask), c.converterEntry);
        EXPECT_EQ(entries[c.converterEntry], c.chunkMask + 1);
    }
    EXPECT_FALSE(definition.diagonals);
    for (int slot = 16; slot < 20; ++slot) EXPECT_EQ(definition.tiles[slot], 0);
}

TEST(LevelWallTiles, EverySetIsReadInChunkOrderBesideOtherChunks) {
    std::vector<std::uint8_t> attr = {'N', 'a', 'm', 'e', '=', 'x'};
    auto level =
        ElvlLevel({{"DCID", {1, 2, 3, 4}}, DcwtChunk(TileRun(10)), {"ATTR", attr}, DcwtChunk(TileRun(50))},
                  {0, 0, 0, 1});
    levelwalltiles::LevelWallTiles found = ReadLevelWallTiles(level);
    ASSERT_EQ(found.definitions.size(), 2u);
    EXPECT_TRUE(found.problems.empty());
    EXPECT_EQ(found.definitions[0].ToConverterOrder()[0], 10);
    EXPECT_EQ(found.definitions[1].ToConverterOrder()[15], 65);
}

// Whatever a chunk or its section holds, the sets that are whole are read and the rest is named.
TEST(LevelWallTiles, DamagedChunksAreSkippedAndNamed) {
    std::vector<std::uint8_t> high = TileRun(1);
    high[3] = 200;
    struct Case {
        const char* what;
        std::vector<std::uint8_t> level;
        std::size_t definitions;
        std::string problem;  // a part of the one problem expected
    };
    const Case cases[] = {
        {"short chunk",
         ElvlLevel({DcwtChunk({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}), DcwtChunk(TileRun(1))}), 1,
         "holds 12 bytes, not 16"},
        {"long chunk", ElvlLevel({DcwtChunk(TileRun(1)), {"DCWT", std::vector<std::uint8_t>(32, 1)}}), 1,
         "holds 32 bytes, not 16"},
        {"empty chunk", ElvlLevel({{"DCWT", {}}}), 0, "holds 0 bytes"},
        {"tile above 190", ElvlLevel({DcwtChunk(high)}), 1, "tiles above 190"},
        {"chunk past its section", ElvlLevel({DcwtChunk(TileRun(1)), {"DCWT", TileRun(1), 400}}), 1,
         "runs past the end"},
        {"section past the tileset", ElvlLevel({DcwtChunk(TileRun(1))}, {}, 64), 1, "cut short"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        levelwalltiles::LevelWallTiles found = ReadLevelWallTiles(c.level);
        EXPECT_EQ(found.definitions.size(), c.definitions);
        ASSERT_EQ(found.problems.size(), 1u);
        EXPECT_NE(found.problems[0].find(c.problem), std::string::npos) << found.problems[0];
    }
    levelwalltiles::LevelWallTiles found = ReadLevelWallTiles(ElvlLevel({DcwtChunk(high)}));
    EXPECT_EQ(found.definitions.at(0).ToConverterOrder()[levelwalltiles::ConverterEntry(3)], 0);
}

TEST(LevelWallTiles, ASetHoldsThirtyTwoAndSaysWhatWasLeftOut) {
    std::vector<test::ElvlChunkBytes> chunks(33, DcwtChunk(TileRun(1)));
    levelwalltiles::LevelWallTiles found = ReadLevelWallTiles(ElvlLevel(chunks));
    EXPECT_EQ(found.definitions.size(), 32u);
    ASSERT_EQ(found.problems.size(), 1u);
    EXPECT_NE(found.problems[0].find("left out"), std::string::npos);
}

TEST(LevelWallTiles, LevelsWithoutSetsGiveNone) {
    std::vector<std::uint8_t> noSection = ElvlLevel({DcwtChunk(TileRun(1))});
    test::PutU32(noSection, 6, 0);
    std::vector<std::uint8_t> notElvl = ElvlLevel({DcwtChunk(TileRun(1))});
    notElvl[60] = 'x';
    const std::vector<std::uint8_t> levels[] = {
        {},        {0, 0, 0, 1}, {'B', 'M', 1}, ElvlLevel({{"DCID", {1, 2, 3, 4}}}), ElvlLevel({}),
        noSection, notElvl};
    for (const std::vector<std::uint8_t>& level : levels) {
        levelwalltiles::LevelWallTiles found = ReadLevelWallTiles(level);
        EXPECT_TRUE(found.definitions.empty());
        EXPECT_TRUE(found.problems.empty());
    }
}

TEST(LevelWallTiles, LoadRefusesALevelWithoutSetsAndKeepsTheSet) {
    test::ScratchDir dir;
    WallTileSet set(3);
    set.Definition(1).tiles[0] = 7;
    const WallTileSet before = set;

    std::string none = dir.Write("none.lvl", ElvlLevel({{"DCID", {1, 2, 3, 4}}}));
    FileResult refused = levelwalltiles::Load(none, set);
    EXPECT_EQ(refused.status, FileStatus::Refused);
    EXPECT_EQ(refused.notices.back().text,
              "Could not load the WallTile sets of " + none +
                  ": it has no WallTile sets (DCWT chunks) in its extended level data.");
    EXPECT_EQ(set, before);

    FileResult missing = levelwalltiles::Load(dir.File("missing.lvl"), set);
    EXPECT_EQ(missing.status, FileStatus::Failed);
    EXPECT_NE(missing.notices.back().text.find("missing.lvl: it does not exist"), std::string::npos);
    EXPECT_EQ(set, before);

    std::string two =
        dir.Write("two.lvl", ElvlLevel({DcwtChunk(TileRun(1)), {"DCWT", {1}}, DcwtChunk(TileRun(20))}));
    FileResult loaded = levelwalltiles::Load(two, set);
    EXPECT_TRUE(loaded.Done());
    ASSERT_EQ(loaded.notices.size(), 1u);
    EXPECT_EQ(loaded.notices[0].text,
              two + ": the DCWT chunk at offset 96 holds 1 byte, not 16; it was skipped.");
    EXPECT_EQ(set.LastIndex(), 1);
    EXPECT_EQ(set.Current(), 1);
    EXPECT_EQ(set.Definition(1).ToConverterOrder()[0], 20);
}

// The .wtd written reads back as the level's sets, and an existing file is never replaced.
TEST(LevelWallTiles, WriteWtdTakesAFreeNameAndReadsBack) {
    test::ScratchDir dir;
    std::string level = dir.Write("walls.lvl", ElvlLevel({DcwtChunk(TileRun(1)), DcwtChunk(TileRun(100))}));
    std::string taken = dir.Write("walls.wtd", std::string("keep"));
    FileResult result = levelwalltiles::WriteWtd(level, taken);
    ASSERT_TRUE(result.Done());
    ASSERT_EQ(result.written, std::vector<std::string>{dir.File("walls-0.wtd")});
    EXPECT_EQ(test::ReadBytes(taken), std::vector<std::uint8_t>({'k', 'e', 'e', 'p'}));
    WallTileSet fromLevel, fromFile;
    ASSERT_TRUE(levelwalltiles::Load(level, fromLevel).Done());
    ASSERT_TRUE(wtdfile::Load(result.written[0], fromFile).Done());
    EXPECT_EQ(fromFile.ToConverterOrder(), fromLevel.ToConverterOrder());

    FileResult none = levelwalltiles::WriteWtd(dir.Write("none.lvl", ElvlLevel({})), dir.File("none.wtd"));
    EXPECT_FALSE(none.Done());
    EXPECT_TRUE(none.written.empty());
    EXPECT_FALSE(FileExists(dir.File("none.wtd")));
}

}  // namespace
}  // namespace vetra
