#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "convert/overlaylevel.h"
#include "formats/tilerecord.h"

// A level's records held cell by cell on the 1024 x 1024 map. Where no two records share a place, a scan of
// the cells by row and then column meets them in the order the sort by place gives, so the overlay tools can
// build their result in one pass over the map instead of sorting.
namespace vetra::convert {

class MapCells {
public:
    static constexpr int kSide = 1024;
    static constexpr std::size_t kCells = std::size_t{kSide} * kSide;

    // The records of the level; false when one lies outside the map or shares its place with another, where
    // only the sort gives the right order.
    bool Fill(const OverlayLevel& level);

    bool Holds(std::size_t cell) const { return cells_[cell] != 0; }
    std::uint8_t Tile(std::size_t cell) const { return static_cast<std::uint8_t>(cells_[cell]); }
    // Empties the record of the cell (its tile becomes 0), where it holds one.
    void Remove(std::size_t cell) { cells_[cell] &= kPresent; }
    std::size_t Count() const { return count_; }

    static int X(std::size_t cell) { return static_cast<int>(cell % kSide); }
    static int Y(std::size_t cell) { return static_cast<int>(cell / kSide); }

    // Writes the encoded record of the cell at out when it holds one whose tile is not 0; returns the end.
    std::uint8_t* PutRecord(std::size_t cell, std::uint8_t* out) const;

private:
    // One word a cell, so that filling the map touches each place once: 0 for none, else the present bit and
    // the tile.
    static constexpr std::uint16_t kPresent = 0x100;
    std::vector<std::uint16_t> cells_ = std::vector<std::uint16_t>(kCells, 0);
    std::size_t count_ = 0;
};

// Calls visit(cell) for every cell of the s x s square whose top-left corner is the cell given, cut at the
// map's edges.
template <class Visit>
void ForEachCellOfSquare(std::size_t corner, int side, Visit visit) {
    const int x = MapCells::X(corner), y = MapCells::Y(corner);
    for (int dy = 0; dy < side && y + dy < MapCells::kSide; ++dy)
        for (int dx = 0; dx < side && x + dx < MapCells::kSide; ++dx)
            visit(corner + static_cast<std::size_t>(dy) * MapCells::kSide + static_cast<std::size_t>(dx));
}

}  // namespace vetra::convert
