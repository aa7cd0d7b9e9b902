#pragma once

#include <string>

#include "util/batchoperation.h"
#include "util/fileresult.h"

namespace vetra {
class Progress;
}

// Taking a level apart into its tileset and its tile records.
namespace vetra::convert {

// Writes the level's tileset as "BASE-s.bmp" (cleaned when cleanPalette is set) and its tile records as
// "BASE-s.lvl" beside it. A level without tileset, one whose tileset size runs past its end, or one that
// cannot be read gets a framed notice and nothing is written; a failed write leaves neither file.
FileResult SplitLevel(Progress& progress, const std::string& levelPath, bool cleanPalette);

// The Split Tiles batch.
BatchOperation SplitTilesOperation(bool cleanPalette);

}  // namespace vetra::convert
