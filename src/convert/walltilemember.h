#pragma once

#include <cstdint>

namespace vetra::convert {

// A cell drawn with a WallTile's marker, and the links found for it: a connection mask (1 north, 2 west,
// 4 east, 8 south) or, after the diagonals stage, a diagonal code 16 to 19.
struct WallTileMember {
    std::int32_t cellIndex = 0;
    std::int16_t x = 0;
    std::int16_t y = 0;
    std::uint8_t mask = 0;
};

}  // namespace vetra::convert
