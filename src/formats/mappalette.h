#pragma once

#include <array>
#include <cstdint>

namespace vetra {

struct Rgb {
    std::uint8_t red, green, blue;
    bool operator==(const Rgb&) const = default;
};

// The colour of each pixel value in the map bitmaps the program writes.
const std::array<Rgb, 256>& MapPaletteColours();

// The map palette as a bitmap colour table: blue, green, red, 0 per entry.
std::array<std::uint8_t, 1024> MapPaletteTable();

}  // namespace vetra
