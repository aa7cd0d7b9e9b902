#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "formats/mappalette.h"

namespace vetra::render {

// The pictures of a level's tiles, decoded from the tileset at its head, at each cell size the renderer
// draws (16, 8, 4, 2 and 1 pixels; the smaller ones are averages of the 16 x 16 picture).
class TilesetPixels {
public:
    static constexpr int kColumns = 19;
    static constexpr int kMostRows = 10;

    // Decodes the tileset in the first tilesetSize bytes: 8-bit (plain or RLE8), 24-bit or 32-bit, 304 pixels
    // wide, any height that holds whole rows of tiles (only the top ten rows are tiles). Nothing, and the
    // reason as a clause ("is a 16-bit tileset"), when it cannot be read.
    static std::optional<TilesetPixels> Decode(std::span<const std::uint8_t> tileset, std::string& reason);

    // Tiles 1 to TileCount() have pictures.
    int TileCount() const { return rows_ * kColumns; }
    // The pixels of tile t (1..TileCount()) at the cell size (1, 2, 4, 8 or 16), rows top first.
    std::span<const Rgb> Tile(int t, int cellSize) const;

    // The 304 x 16-per-row picture the tiles were cut from, top row first.
    TilesetPixels(int rows, std::vector<Rgb> picture);

private:
    int rows_ = 0;
    std::vector<Rgb> scaled_;  // per tile: 16x16, 8x8, 4x4, 2x2, 1x1 pixels, one after another
};

}  // namespace vetra::render
