#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "walltiles/model/converterwalltiles.h"
#include "convert/mapcell.h"
#include "util/progresstitle.h"
#include "convert/walltilemember.h"

namespace vetra::convert {

// The four WallTile stages of a conversion: links each WallTile's members to their neighbours, untangles
// two-cell-thick diagonal bands, gives each member's cell the tile of its links, and makes diagonal steps
// where the WallTile has diagonals. members[w] holds WallTile w's members in raster order; pixels are the
// map's pixels as read. Never fails.
void LinkWallTiles(ProgressTitle& title, std::vector<MapCell>& cells,
                   std::vector<std::vector<WallTileMember>>& members, std::span<const std::uint8_t> pixels,
                   const ConverterWallTiles& wallTiles);

}  // namespace vetra::convert
