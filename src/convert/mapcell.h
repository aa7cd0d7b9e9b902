#pragma once

#include <cstdint>

namespace vetra::Convert {

// One non-empty cell of a map being converted; tile 0 marks a cell that has been emptied.
struct MapCell {
    std::int32_t x = 0;
    std::int32_t y = 0;  // 0 is the top row
    std::uint8_t tile = 0;
    bool operator==(const MapCell&) const = default;
};

}  // namespace vetra::Convert
