#pragma once

#include <span>

#include "convert/converterwalltiles.h"

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

}  // namespace vetra::Convert
