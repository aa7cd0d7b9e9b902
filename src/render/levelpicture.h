#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "formats/tilerecord.h"
#include "render/tilesetpixels.h"

namespace vetra::render {

inline constexpr int kMapCells = 1024;

// A rectangle of map cells.
struct CellRect {
    int left = 0, top = 0, width = kMapCells, height = kMapCells;
    bool operator==(const CellRect&) const = default;
};

// What one map cell shows: its tile, and for a cell of an object's footprint, where in the footprint it lies.
struct Cell {
    std::uint8_t tile = 0;
    std::uint8_t dx = 0, dy = 0;  // from the object's top-left cell
};

// A level or a map bitmap laid out as the 1024 x 1024 cells it shows, ready to be drawn at any cell size.
class LevelPicture {
public:
    // A level: its records drawn in file order (objects over their whole footprint), and its tileset's
    // pictures when it has one that can be decoded.
    static LevelPicture FromRecords(std::span<const TileRecord> records, std::optional<TilesetPixels> tiles);
    // A map bitmap's cells (row 0 the top), each shown in its map-palette colour as the bitmap shows it.
    static LevelPicture FromMapCells(std::vector<std::uint8_t> cells);

    const Cell& At(int x, int y) const { return cells_[static_cast<std::size_t>(y) * kMapCells + x]; }
    // The cells that hold something, with a margin of one cell, within the map; the whole map when empty.
    CellRect Occupied() const;
    bool FromMapBitmap() const { return mapBitmap_; }
    const std::optional<TilesetPixels>& Tiles() const { return tiles_; }

private:
    LevelPicture() : cells_(static_cast<std::size_t>(kMapCells) * kMapCells) {}
    void Put(int x, int y, Cell cell);

    std::vector<Cell> cells_;
    std::optional<TilesetPixels> tiles_;
    bool mapBitmap_ = false;
    int left_ = kMapCells, top_ = kMapCells, right_ = -1, bottom_ = -1;
};

}  // namespace vetra::render
