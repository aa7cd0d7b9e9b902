#pragma once

#include <array>
#include <cstdint>

#include "walltiles/model/converterwalltiles.h"

namespace vetra {

// One WallTile as the editor keeps it: 20 tile numbers in editor order (slot s in column s mod 4 and row
// s div 4 of the editor's grid; slots 16-19 the diagonal tiles) and whether the diagonal slots are in use.
struct WallTileDefinition {
    static constexpr int kSlots = 20;
    static constexpr int kConnectionSlots = 16;
    // The converter entry of each editor slot.
    static constexpr std::array<int, kSlots> kConverterEntry = {12, 14, 10, 8, 13, 15, 11, 9,  5,  7,
                                                                3,  1,  4,  6, 2,  0,  16, 17, 19, 18};

    std::array<std::uint8_t, kSlots> tiles{};
    bool diagonals = false;

    bool operator==(const WallTileDefinition&) const = default;

    // The slots rearranged into converter order.
    WallTileEntries ToConverterOrder() const {
        WallTileEntries entries{};
        for (int slot = 0; slot < kSlots; ++slot) entries[kConverterEntry[slot]] = tiles[slot];
        return entries;
    }
};

}  // namespace vetra
