#pragma once

#include <string>

#include "util/fileio.h"
#include "util/outcome.h"

namespace vetra {
class Host;
}

// A new, empty tileset: every tile cell framed in the border colour around a black inside.
namespace vetra::Convert {

// The 49,718 bytes of a blank tileset.
Bytes BlankTilesetBytes(Host& host);

// Replaces any file of that name with a blank tileset. A failure to write shows "Ugh! Aww!" and leaves any
// file of that name as it was.
Outcome MakeBlankTileset(Host& host, const std::string& path);

}  // namespace vetra::Convert
