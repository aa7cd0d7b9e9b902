#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace vetra {

// The 20 tile numbers of one WallTile in converter order: entries 0-15 by connection mask (1 north, 2 west,
// 4 east, 8 south), 16-19 the diagonal tiles. 0 means no tile.
using WallTileEntries = std::array<std::uint8_t, 20>;

// The WallTile set as the converter uses it; WallTile w is drawn in map bitmaps as marker 255 - w.
struct ConverterWallTiles {
    static constexpr int kMaxWallTiles = 32;

    std::vector<WallTileEntries> definitions;
    std::vector<bool> diagonals;  // one flag per definition

    int Count() const { return static_cast<int>(definitions.size()); }
    bool operator==(const ConverterWallTiles&) const = default;
};

}  // namespace vetra
