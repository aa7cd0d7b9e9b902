#pragma once

#include <string>

#include "util/batchoperation.h"
#include "util/outcome.h"

namespace vetra {
class Host;
}

// Joining the WallTiles of an existing level anew, through a map bitmap and back.
namespace vetra::Convert {

// Writes "NAME-N.lvl" beside the level: its walls turned back into WallTile markers with the installed set,
// converted again so that each wall cell fits its present neighbours, and the level's tileset put back at its
// head. Records of tiles that a map bitmap cannot hold (191-215, 221-255) follow the converted ones
// unchanged, with the summary line "PATH: N tiles carried over unchanged.". The level itself is never
// changed. Each step runs only when the one before it succeeded; a failure leaves no new level, and the
// framed notice "PATH could not be re-linked." follows the failing step's own report. The temporary bitmaps
// are removed on every path.
Outcome ReLinkLevel(Host& host, const std::string& levelPath);

// The Re-Link batch: the WallTile set is emptied before each file unless "Use WallTiles" is checked; no
// completion message.
BatchOperation ReLinkOperation(Host& host);

}  // namespace vetra::Convert
