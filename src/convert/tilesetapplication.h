#pragma once

#include <string>

#include "util/batchoperation.h"
#include "util/outcome.h"

namespace vetra {
class Host;
}

// Putting a tileset at the head of a level, in place of the one it had.
namespace vetra::Convert {

// Writes the level with the source's tileset (a tileset bitmap, or a level that has one) at its head and the
// level's tile records behind it: into the level itself when replace is set, else into a new file beside it.
// A refused source or level gets its framed summary notice; every failure then shows "Tileset failure!" and
// leaves the level and any output name untouched.
Outcome ApplyTileset(Host& host, const std::string& levelPath, const std::string& sourcePath, bool replace);

// The Apply Tiles batch with the chosen tileset source.
BatchOperation ApplyTilesOperation(Host& host, const std::string& tilesetPath);

}  // namespace vetra::Convert
