#pragma once

#include <string>

#include "convert/converterwalltiles.h"
#include "util/batchoperation.h"
#include "util/outcome.h"

namespace vetra {
class Host;
}

// Turning a level back into a map bitmap, one pixel per cell, and its tileset into a bitmap of its own.
namespace vetra::Convert {

// What LevelToBitmaps did.
struct DeconversionResult {
    Outcome outcome;
    // The level began with a tileset that passed the width test.
    bool beganWithTileset = false;
};

// Writes the level's tileset (when it has one) to the tileset path and its map to the map path, drawing every
// tile of a WallTile definition in the set as that WallTile's marker (the first WallTile that lists it). A
// level that cannot be read, whose tileset is not 304 pixels wide or runs past the end of the file, or that
// has a record outside the map gets a framed summary notice and no map bitmap; a tileset bitmap already
// written then stays. Tiles that a map bitmap cannot hold are left out and listed in one notice after the map
// is written.
DeconversionResult LevelToBitmaps(Host& host, const std::string& levelPath, const std::string& tilesetPath,
                                  const std::string& mapPath, const ConverterWallTiles& wallTiles);

// Deconverts a level to "BASE-t.bmp" and "BASE-m.bmp" beside it (numbered where those are taken) with the
// installed WallTile set; failures as LevelToBitmaps.
Outcome DeconvertLevel(Host& host, const std::string& levelPath);

// The Deconvert batch: the WallTile set is emptied before each file unless "Use WallTiles" is checked.
BatchOperation DeconvertOperation(Host& host);

}  // namespace vetra::Convert
