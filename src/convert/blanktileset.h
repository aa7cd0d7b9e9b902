#pragma once

#include <string>

#include "util/fileio.h"
#include "util/fileresult.h"

namespace vetra {
class Progress;
}

// A new, empty tileset: every tile cell framed in the border colour around a black inside.
namespace vetra::convert {

// The 49,718 bytes of a blank tileset.
Bytes BlankTilesetBytes();

// Replaces any file of that name with a blank tileset. A failure to write leaves any file of that name as it
// was, with the message "Could not write the blank tileset PATH: REASON.".
FileResult MakeBlankTileset(Progress& progress, const std::string& path);

}  // namespace vetra::convert
