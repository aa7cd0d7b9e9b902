#pragma once

#include <string>

#include "walltiles/model/converterwalltiles.h"
#include "util/batchoperation.h"
#include "util/fileresult.h"

namespace vetra {
class Progress;
}

// Turning a level back into a map bitmap, one pixel per cell, and its tileset into a bitmap of its own.
namespace vetra::convert {

struct DeconversionOptions {
    ConverterWallTiles wallTiles;  // tiles a WallTile lists are drawn as its marker; empty for none
    bool cleanPalette = false;     // give the tileset bitmap the default palette and the standard header
};

// Writes the level's tileset (when it has one) to the tileset path and its map to the map path. A level that
// cannot be read, whose tileset is not 304 pixels wide or runs past the end of the file, or that has a record
// outside the map gets a framed notice and nothing is written; a map that cannot be written takes its tileset
// bitmap with it. Tiles that a map bitmap cannot hold are left out and listed in one notice after the map is
// written.
FileResult LevelToBitmaps(Progress& progress, const std::string& levelPath, const std::string& tilesetPath,
                          const std::string& mapPath, const DeconversionOptions& options);

// Deconverts a level to "BASE-t.bmp" and "BASE-m.bmp" beside it (numbered where those are taken); failures as
// LevelToBitmaps.
FileResult DeconvertLevel(Progress& progress, const std::string& levelPath, const DeconversionOptions& options);

// The Deconvert batch.
BatchOperation DeconvertOperation(const DeconversionOptions& options);

}  // namespace vetra::convert
