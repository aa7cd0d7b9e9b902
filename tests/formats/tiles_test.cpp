#include "formats/tiles.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace vetra::tiles {
namespace {

TEST(Tiles, TileTypeNames) {
    struct Case {
        int tile;
        const char* name;
    };
    for (Case c : {Case{0, "(Empty Tile)"}, Case{1, "Normal Tile"}, Case{19, "Normal Tile"}, Case{20, "Border Tile"},
                   Case{21, "Normal Tile"}, Case{161, "Normal Tile"}, Case{162, "Vertical Door"},
                   Case{169, "Horizontal Door"}, Case{170, "Flag"}, Case{171, "Safe Zone"}, Case{172, "Soccer Goal"},
                   Case{175, "Fly Over"}, Case{183, "Fly Under (Opaque)"}, Case{190, "Fly Under (Transparent)"},
                   Case{191, "(Invalid Tile)"}, Case{215, "(Invalid Tile)"}, Case{216, "Small Asteroid 1"},
                   Case{217, "Large Asteroid"}, Case{218, "Small Asteroid 2"}, Case{219, "Space Station"},
                   Case{220, "Wormhole"}, Case{221, "(Invalid Tile)"}, Case{-1, "(Invalid Tile)"}})
        EXPECT_EQ(TileTypeName(c.tile), c.name) << c.tile;
}

TEST(Tiles, TilePixelIndex) {
    EXPECT_EQ(TilePixelIndex(0, 9, 0, 0), 0);
    EXPECT_EQ(TilePixelIndex(0, 0, 0, -15), 48640 - 304);
    EXPECT_EQ(TilePixelIndex(18, 9, 15, 0), 303);
    EXPECT_THROW(TilePixelIndex(40000, 0, 0, 0), std::overflow_error);
}

}  // namespace
}  // namespace vetra::tiles
