#pragma once

#include <string>

#include "util/batchoperation.h"
#include "util/outcome.h"

namespace vetra {
class Host;
}

// Taking a level apart into its tileset and its tile records.
namespace vetra::Convert {

// Writes the level's tileset as "BASE-s.bmp" and its tile records as "BASE-s.lvl" beside it. A level without
// tileset, one whose tileset size runs past its end, or one that cannot be read gets a framed summary notice
// and nothing is written; a failed write leaves neither file.
Outcome SplitLevel(Host& host, const std::string& levelPath);

// The Split Tiles batch.
BatchOperation SplitTilesOperation(Host& host);

}  // namespace vetra::Convert
