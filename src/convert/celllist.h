#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "convert/mapcell.h"
#include "util/progresstitle.h"
#include "convert/walltilemember.h"
#include "util/fileio.h"

// The stages of a conversion that work on the list of a map's non-empty cells, each showing its progress
// title. None of them fails; a lack of memory is thrown as std::bad_alloc.
namespace vetra::convert {

// The map's pixels (1024 rows of 1024, bottom row first) as the list of non-zero cells in raster order.
std::vector<MapCell> DistillCells(ProgressTitle& title, std::span<const std::uint8_t> pixels);

// Empties the rest of every object's footprint and the dropped colours, and lists the cells of each of the
// wallTileCount WallTiles' markers (255 - w) as its members, in list order.
std::vector<std::vector<WallTileMember>> CleanCells(ProgressTitle& title, std::vector<MapCell>& cells,
                                                    int wallTileCount);

// Removes the emptied cells by moving the then last cell into each hole, so the order is raster order only
// until the first hole.
void CollapseCells(ProgressTitle& title, std::vector<MapCell>& cells);

// The cells as 4-byte tile records.
Bytes LevelRecordBytes(ProgressTitle& title, const std::vector<MapCell>& cells);

}  // namespace vetra::convert
