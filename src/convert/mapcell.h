#pragma once

#include <cstdint>

namespace vetra::convert {

// One non-empty cell of a map being converted; tile 0 marks a cell that has been emptied. Kept to six bytes,
// as a full map has a million of them.
struct MapCell {
    std::int16_t x = 0;
    std::int16_t y = 0;  // 0 is the top row
    std::uint8_t tile = 0;
    bool operator==(const MapCell&) const = default;
};

}  // namespace vetra::convert
