#pragma once

#include <cstdint>
#include <string>

// Tile-type names and the position of a tile's pixels inside a tileset, shared by both editors.
namespace vetra::tiles {

// The name shown for a tile number, "(Invalid Tile)" for numbers with no meaning in a level.
std::string TileTypeName(int tile);

// The offset in a tileset's 48640 pixel bytes of pixel x of the tile in column c, row r (from the top),
// d rows below the tile's lowest pixel row. Arguments outside the 16-bit range raise std::overflow_error.
std::int32_t TilePixelIndex(int c, int r, int x, int d);

// The cell size of a tile in a level: 0 for empty, 2, 6 or 5 for the large objects, else 1.
int TileSize(int tile);

}  // namespace vetra::tiles
