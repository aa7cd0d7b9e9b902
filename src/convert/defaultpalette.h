#pragma once

#include <array>
#include <cstdint>

#include "formats/mappalette.h"

// The default SubSpace palette that blank and cleaned tilesets carry. Nothing here fails.
namespace vetra::convert {

// The 256 colours, index 0 black, 255 white.
const std::array<Rgb, 256>& DefaultPaletteColours();

// The palette as a bitmap colour table: blue, green, red, 0 per entry, entry 0 first.
std::array<std::uint8_t, 1024> DefaultPaletteTable();

}  // namespace vetra::convert
