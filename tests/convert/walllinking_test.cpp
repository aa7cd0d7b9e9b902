#include "convert/walllinking.h"

#include <gtest/gtest.h>

#include "convert/mapconversion.h"
#include "convert/mapconversion_fixture.h"
#include "support/recordinghost.h"

namespace vetra::convert {
namespace {

using Cells = std::vector<std::pair<int, int>>;
using Tiles = std::map<std::pair<int, int>, int>;

// A definition whose entry e is tile 100 + e, so every tile tells the mask or code it came from.
WallTileEntries Telling() {
    WallTileEntries entries{};
    for (int e = 0; e < 20; ++e) entries[e] = static_cast<std::uint8_t>(100 + e);
    return entries;
}

ConverterWallTiles OneWallTile(bool diagonals, WallTileEntries entries = Telling()) {
    return ConverterWallTiles{{entries}, {diagonals}};
}

// The mask (or code) each cell of WallTile 0 ends with; cells removed by an entry of 0 are absent.
Tiles Masks(const Cells& cells, const ConverterWallTiles& wallTiles) {
    test::MapPicture picture;
    for (auto [x, y] : cells) picture.Put(x, y, 255);
    RecordingHost host;
    ProgressTitle title(host);
    Tiles tiles = test::TilesByPosition(ConvertPixels(title, picture.Pixels(), wallTiles));
    for (auto& [position, tile] : tiles) tile -= 100;
    return tiles;
}

Tiles Expect(const Cells& cells, const std::vector<int>& masks) {
    Tiles tiles;
    for (std::size_t i = 0; i < cells.size(); ++i) tiles[cells[i]] = masks[i];
    return tiles;
}

TEST(WallLinking, MasksOfSmallShapes) {
    const Cells staircase = {{2, 0}, {3, 0}, {1, 1}, {2, 1}, {0, 2}, {1, 2}};
    // Two bands two cells thick, worked out from the untangling table: in the first, step A of corner (1,2)
    // cuts the east link of (2,1); in the second, step B of corner (2,1) cuts the south link of (1,2).
    const Cells bandUp = {{2, 0}, {3, 0}, {1, 1}, {2, 1}, {3, 1}, {0, 2}, {1, 2}};
    const Cells bandDown = {{2, 0}, {1, 1}, {2, 1}, {0, 2}, {1, 2}, {0, 3}, {1, 3}};
    struct Case {
        const char* name;
        Cells cells;
        bool diagonals;
        std::vector<int> masks;
    } cases[] = {
        {"isolated", {{5, 5}}, false, {0}},
        {"row of three", {{4, 9}, {5, 9}, {6, 9}}, false, {4, 6, 2}},
        {"column of three", {{4, 7}, {4, 8}, {4, 9}}, false, {8, 9, 1}},
        {"plus", {{5, 4}, {4, 5}, {5, 5}, {6, 5}, {5, 6}}, false, {8, 4, 15, 2, 1}},
        {"block", {{0, 0}, {1, 0}, {0, 1}, {1, 1}}, false, {12, 10, 5, 3}},
        {"block with diagonals", {{7, 7}, {8, 7}, {7, 8}, {8, 8}}, true, {12, 10, 5, 3}},
        {"staircase", staircase, false, {12, 2, 12, 3, 4, 3}},
        {"staircase with diagonals", staircase, true, {16, 2, 16, 17, 4, 17}},
        {"band, step up", bandUp, false, {12, 10, 12, 3, 1, 4, 3}},
        {"band, step down", bandDown, false, {8, 12, 3, 12, 3, 5, 2}},
        {"edge of the map", {{1023, 0}, {1023, 1}, {0, 1023}, {1, 1023}}, true, {8, 1, 4, 2}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Masks(c.cells, OneWallTile(c.diagonals)), Expect(c.cells, c.masks)) << c.name;
}

TEST(WallLinking, FallingStaircaseTakesTheOtherCodes) {
    const Cells falling = {{0, 0}, {1, 0}, {1, 1}, {2, 1}, {2, 2}, {3, 2}};
    EXPECT_EQ(Masks(falling, OneWallTile(false)), Expect(falling, {4, 10, 5, 10, 5, 2}));
    EXPECT_EQ(Masks(falling, OneWallTile(true)), Expect(falling, {4, 18, 19, 18, 19, 2}));
}

TEST(WallLinking, EntryOfZeroRemovesTheCell) {
    WallTileEntries entries = Telling();
    entries[6] = 0;
    Tiles tiles = Masks({{4, 9}, {5, 9}, {6, 9}}, OneWallTile(false, entries));
    EXPECT_EQ(tiles, (Tiles{{{4, 9}, 4}, {{6, 9}, 2}}));
}

TEST(WallLinking, WallTilesSideBySideDoNotConnect) {
    test::MapPicture picture;
    picture.Put(10, 10, 255).Put(11, 10, 254).Put(10, 11, 254);
    ConverterWallTiles two{{Telling(), Telling()}, {false, false}};
    two.definitions[1][0] = 50;
    two.definitions[1][8] = 58;
    two.definitions[1][1] = 51;
    RecordingHost host;
    ProgressTitle title(host);
    Tiles tiles = test::TilesByPosition(ConvertPixels(title, picture.Pixels(), two));
    EXPECT_EQ(tiles, (Tiles{{{10, 10}, 100}, {{11, 10}, 50}, {{10, 11}, 50}}));
}

TEST(WallLinking, StageTitlesInOrder) {
    test::MapPicture picture;
    picture.Put(0, 0, 255).Put(1, 0, 255);
    RecordingHost host;
    {
        ProgressTitle title(host);
        ConvertPixels(title, picture.Pixels(), OneWallTile(true));
    }
    std::vector<std::string> titles = host.Titles();
    auto at = std::find(titles.begin(), titles.end(), "Converting WallTiles...");
    ASSERT_NE(at, titles.end());
    EXPECT_EQ(
        std::vector<std::string>(at, at + 6),
        (std::vector<std::string>{"Converting WallTiles...", "Connecting WallTiles...", "50% complete...",
                                  "Exporting WallTiles...", "Creating diagonals...", "Collapsing..."}));
}

}  // namespace
}  // namespace vetra::convert
