#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "util/fileresult.h"
#include "walltiles/model/walltileset.h"

namespace vetra {

class WriteFaults;

// The WallTile sets that map editors keep in a level's extended level data: one DCWT chunk per set, 16 tile
// numbers indexed by the neighbours a wall cell joins (1 east, 2 north, 4 west, 8 south). Each set becomes
// one WallTile without diagonals, in chunk order.
namespace levelwalltiles {

inline constexpr std::size_t kChunkTiles = 16;

// The converter entry (1 north, 2 west, 4 east, 8 south) of a DCWT chunk's mask.
int ConverterEntry(int chunkMask);

// One WallTile from a chunk's 16 tile numbers; a number above 190 is no tile of a tileset and becomes 0.
WallTileDefinition DefinitionFromChunk(std::span<const std::uint8_t, kChunkTiles> tiles);

struct LevelWallTiles {
    std::vector<WallTileDefinition> definitions;  // in chunk order, at most 32
    std::vector<std::string> problems;            // what could not be taken as it stands, as clauses
};

// The sets of a level's bytes. Never fails: a chunk that is not 16 bytes or runs past its section is skipped,
// and each such thing is one of the problems.
LevelWallTiles ReadLevelWallTiles(std::span<const std::uint8_t> bytes);

// Reads the level's sets into the set. A level without any, or one that cannot be read, leaves the set as
// it was and is refused or failed with the message "Could not load the WallTile sets of PATH: it REASON.";
// each problem with a chunk is a summary line "PATH: PROBLEM.".
FileResult Load(const std::string& path, WallTileSet& set);

// Writes the level's sets as a .wtd file: to outPath, or to its first free numbered variant when that is
// taken. Nothing is written when the level has no sets.
FileResult WriteWtd(const std::string& levelPath, const std::string& outPath, WriteFaults* faults = nullptr);

}  // namespace levelwalltiles
}  // namespace vetra
