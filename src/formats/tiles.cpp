#include "formats/tiles.h"

#include <limits>
#include <stdexcept>

namespace vetra::tiles {

std::string TileTypeName(int tile) {
    if (tile == 0) return "(Empty Tile)";
    if (tile == 20) return "Border Tile";
    if (tile >= 1 && tile <= 161) return "Normal Tile";
    if (tile >= 162 && tile <= 165) return "Vertical Door";
    if (tile >= 166 && tile <= 169) return "Horizontal Door";
    if (tile == 170) return "Flag";
    if (tile == 171) return "Safe Zone";
    if (tile == 172) return "Soccer Goal";
    if (tile >= 173 && tile <= 175) return "Fly Over";
    if (tile >= 176 && tile <= 183) return "Fly Under (Opaque)";
    if (tile >= 184 && tile <= 190) return "Fly Under (Transparent)";
    switch (tile) {
        case 216: return "Small Asteroid 1";
        case 217: return "Large Asteroid";
        case 218: return "Small Asteroid 2";
        case 219: return "Space Station";
        case 220: return "Wormhole";
        default: return "(Invalid Tile)";
    }
}

std::int32_t TilePixelIndex(int c, int r, int x, int d) {
    constexpr int low = std::numeric_limits<std::int16_t>::min();
    constexpr int high = std::numeric_limits<std::int16_t>::max();
    for (int value : {c, r, x, d})
        if (value < low || value > high) throw std::overflow_error("TilePixelIndex: argument out of range");
    return (9 - r) * 4864 + 16 * c + x - 304 * d;
}

int TileSize(int tile) {
    switch (tile) {
        case 0: return 0;
        case 217: return 2;
        case 219: return 6;
        case 220: return 5;
        default: return 1;
    }
}

}  // namespace vetra::tiles
