#pragma once

#include <span>

#include "convert/converterwalltiles.h"

namespace vetra {
class Host;
}

// The WallTile set that conversion, deconversion and re-linking work with: the one piece of state the
// conversion engine keeps between runs, empty at start, replaced only by SetWallTiles. None of these fail.
namespace vetra::Convert {

// Installs the first count WallTiles of both arrays (never more than either array holds, nor more than 32);
// a count below 1 empties the set.
void SetWallTiles(int count, std::span<const bool> diagonalsFlags,
                  std::span<const WallTileEntries> definitions);
void SetWallTiles(const ConverterWallTiles& wallTiles);

// The set in force.
const ConverterWallTiles& InstalledWallTiles();

// The step before each file of the Convert, Deconvert and Re-Link batches: while "Use WallTiles" is unchecked
// the set is emptied, so a set installed earlier never changes a plain run.
void EmptyUnlessWallTilesInUse(Host& host);

}  // namespace vetra::Convert
