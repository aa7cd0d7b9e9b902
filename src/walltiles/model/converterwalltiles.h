#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
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

    // The first count WallTiles of both arrays, never more than either holds nor more than 32; a count below 1
    // gives the empty set.
    static ConverterWallTiles FirstOf(int count, std::span<const bool> diagonalsFlags,
                                      std::span<const WallTileEntries> definitions) {
        std::size_t kept = std::min({count < 1 ? std::size_t{0} : static_cast<std::size_t>(count),
                                     diagonalsFlags.size(), definitions.size(),
                                     static_cast<std::size_t>(kMaxWallTiles)});
        return {{definitions.begin(), definitions.begin() + static_cast<std::ptrdiff_t>(kept)},
                {diagonalsFlags.begin(), diagonalsFlags.begin() + static_cast<std::ptrdiff_t>(kept)}};
    }
};

}  // namespace vetra
