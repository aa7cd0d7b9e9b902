#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "formats/level.h"
#include "formats/tilesetinspection.h"

// The facts about one level file that a map maker checks before trusting it: its tileset, the state of its
// tile records, and the tiles that no game client shows. Inspection reads only within the bytes given and
// never fails; a damaged level is described, not refused.
namespace vetra {

struct LevelInspection {
    LevelLayout layout;  // found with both "B" and "M", as the comment and overlay tools look
    // Byte 1 is "M" but byte 0 is not "B": the deconverter and the tileset tools would take a tileset here.
    bool secondByteOnly = false;
    std::optional<TilesetInspection> tileset;

    std::size_t outsideMap = 0;  // records with x or y above 1023
    std::optional<TileRecord> firstOutside;
    std::size_t duplicatePositions = 0;  // positions held by more than one record
    std::size_t duplicateRecords = 0;    // records beyond the first at those positions
    std::size_t hidden = 0;  // records on a cell that a larger object covers beside its own top-left cell
    std::array<std::size_t, 256> tileCounts{};

    // Records outside the map, stray bytes or a tileset size past the end: the level will not load as it is.
    bool Damaged() const {
        return outsideMap != 0 || layout.trailingBytes != 0 || layout.TilesetUnusable();
    }
};

LevelInspection InspectLevel(std::span<const std::uint8_t> bytes);

// Tile numbers that stand for nothing in a level: 0, 191-215 and 221-255.
bool IsUnusualTile(int tile);

}  // namespace vetra
