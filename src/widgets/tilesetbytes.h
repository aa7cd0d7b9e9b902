#pragma once

#include <string>

#include "util/fileio.h"

namespace vetra::widgets {

inline constexpr std::size_t kTilesetHeadSize = 1078;  // file header, info header and palette
inline constexpr std::size_t kTileRowBytes = 4864;     // one row of tiles: 16 pixel rows of 304 bytes

// A tileset bitmap as both editors hold it: its 1078-byte head and 48640 pixel bytes, rows bottom first.
// Empty after clearing.
struct TilesetBytes {
    Bytes head;
    Bytes pixels;

    bool Empty() const { return head.empty(); }
    // Head and pixels as one 49718-byte bitmap.
    Bytes Joined() const;
};

// Reads the head and tiles of a tileset bitmap, or of a level that begins with one. A tileset of fewer than
// ten tile rows (by the low byte of its height) gives its rows followed by zero bytes. Throws FileError when
// the file is unreadable or shorter than the rows it declares.
TilesetBytes ReadTilesetBytes(const std::string& path);

// True unless the bitmap's header says its pixels are other than 8-bit, uncompressed and behind a full colour
// table at offset 1078, the one layout the editors compose byte by byte. A header that cannot be read is left
// to ReadTilesetBytes to report.
bool HoldsRaw8BitPixels(const std::string& path);

// Rewrites a head to describe a full 304 x 160 tileset of 49718 bytes, as the tileset editor keeps a padded
// one.
void DescribeFullTileset(Bytes& head);

}  // namespace vetra::widgets
