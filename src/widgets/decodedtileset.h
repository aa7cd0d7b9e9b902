#pragma once

#include <string>

#include "widgets/tilesetbytes.h"

namespace vetra::widgets {

// A tileset of another layout (24 or 32 bits per pixel, run-length compressed), or a level that begins with
// one, decoded by the toolkit's bitmap reader and brought to the 8-bit form the windows show: at most 256
// colours of its own as the palette, the top 160 rows, a shorter picture padded with black. For showing only;
// the file is never written from it. Throws FileError when the file cannot be read or decoded or is not 304
// pixels wide.
TilesetBytes DecodedTilesetBytes(const std::string& path);

}  // namespace vetra::widgets
