#include "walltiles/model/walltileset.h"

#include <gtest/gtest.h>


namespace vetra {
namespace {

TEST(WallTileSet, ConverterOrderFollowsTheEditorGrid) {
    WallTileDefinition definition;
    for (int slot = 0; slot < 20; ++slot) definition.tiles[slot] = static_cast<std::uint8_t>(100 + slot);
    WallTileEntries entries = definition.ToConverterOrder();
    // Converter entry by mask: the slot that shows that connection in the editor's box of walls.
    WallTileEntries expected = {115, 111, 114, 110, 112, 108, 113, 109, 103, 107,
                                102, 106, 100, 104, 101, 105, 116, 117, 119, 118};
    EXPECT_EQ(entries, expected);
}

TEST(WallTileSet, AddDeleteAndClearKeepTheEditorsRules) {
    WallTileSet set;
    EXPECT_EQ(set.LastIndex(), 0);
    set.CurrentDefinition().tiles[0] = 7;
    set.DeleteCurrent();  // the only one is cleared
    EXPECT_EQ(set.LastIndex(), 0);
    EXPECT_EQ(set.Definition(0).tiles[0], 0);

    set.Definition(0).diagonals = true;
    ASSERT_TRUE(set.AddWallTile());  // at the end: a blank without diagonals
    EXPECT_EQ(set.Current(), 1);
    EXPECT_FALSE(set.Definition(1).diagonals);
    set.Definition(1).diagonals = true;
    set.Definition(1).tiles[3] = 5;
    set.SetCurrent(0);
    ASSERT_TRUE(set.AddWallTile());  // in the middle: takes the flag of the one that stood there
    EXPECT_EQ(set.Current(), 1);
    EXPECT_TRUE(set.Definition(1).diagonals);
    EXPECT_EQ(set.Definition(1).tiles[3], 0);
    EXPECT_EQ(set.Definition(2).tiles[3], 5);

    set.SetCurrent(2);
    set.DeleteCurrent();  // the last one: the one before becomes current
    EXPECT_EQ(set.LastIndex(), 1);
    EXPECT_EQ(set.Current(), 1);

    while (set.AddWallTile()) {
    }
    EXPECT_EQ(set.LastIndex(), 31);
    set.CurrentDefinition().tiles[19] = 4;
    set.ClearCurrent();
    EXPECT_EQ(set.CurrentDefinition().tiles[19], 0);
}

TEST(ConverterWallTiles, TheConverterOrderAndTheFirstOfTwoArrays) {
    WallTileSet set(3);
    set.Definition(2).tiles[15] = 9;  // slot 15 is entry 0
    set.Definition(2).diagonals = true;
    ConverterWallTiles converted = set.ToConverterOrder();
    ASSERT_EQ(converted.Count(), 3);
    EXPECT_EQ(converted.definitions[2][0], 9);
    EXPECT_TRUE(converted.diagonals[2]);

    const bool flags[] = {true, false};
    const WallTileEntries definitions[] = {WallTileEntries{1}, WallTileEntries{2}};
    EXPECT_EQ(ConverterWallTiles::FirstOf(5, flags, definitions).Count(), 2);  // never more than they hold
    ConverterWallTiles one = ConverterWallTiles::FirstOf(1, flags, definitions);
    ASSERT_EQ(one.Count(), 1);
    EXPECT_EQ(one.definitions[0][0], 1);
    EXPECT_EQ(ConverterWallTiles::FirstOf(0, flags, definitions).Count(), 0);
}

}  // namespace
}  // namespace vetra
