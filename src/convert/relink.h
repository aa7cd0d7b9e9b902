#pragma once

#include <string>

#include "walltiles/model/converterwalltiles.h"
#include "util/batchoperation.h"
#include "util/fileresult.h"

namespace vetra {
class Progress;
}

// Joining the WallTiles of an existing level anew, through a map bitmap and back.
namespace vetra::convert {

struct ReLinkOptions {
    ConverterWallTiles wallTiles;  // the set whose walls are joined again
    bool cleanPalette = false;     // give the level's tileset the default palette and the standard header
};

// Writes "NAME-N.lvl" beside the level: its walls turned back into WallTile markers with the set, converted
// again so that each wall cell fits its present neighbours, and the level's tileset put back at its head.
// Records of tiles that a map bitmap cannot hold (191-215, 221-255) follow the converted ones unchanged, with
// the summary line "PATH: N tiles carried over unchanged.". The level itself is never changed. The new level
// is built in memory and written once; a failure leaves no new level and ends with the framed notice "PATH
// could not be re-linked." after the failing step's own.
FileResult ReLinkLevel(Progress& progress, const std::string& levelPath, const ReLinkOptions& options);

// The Re-Link batch; no completion message.
BatchOperation ReLinkOperation(const ReLinkOptions& options);

}  // namespace vetra::convert
