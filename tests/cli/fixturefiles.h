#pragma once

// Small valid files of each kind that the command-line tests start from, and the ways they break them.
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "formats/bitmapheader.h"
#include "formats/level.h"
#include "formats/mappalette.h"
#include "formats/tilerecord.h"
#include "support/levelfixtures.h"

namespace vetra::test {

using FileBytes = std::vector<std::uint8_t>;

// A map bitmap as the program writes them, with the given cells set (x, y, pixel value).
inline FileBytes MapBitmap(const std::vector<TileRecord>& cells = {}) {
    BitmapHeaderBytes header = MapBitmapHeader();
    FileBytes bytes(header.begin(), header.end());
    auto palette = MapPaletteTable();
    bytes.insert(bytes.end(), palette.begin(), palette.end());
    bytes.resize(kMapBitmapSize, 0);
    for (const TileRecord& cell : cells) bytes[kPixelOffset + (1023 - cell.y) * 1024 + cell.x] = cell.tile;
    return bytes;
}

inline std::vector<TileRecord> SomeRecords() {
    return {{1, 1, 1}, {10, 20, 170}, {100, 100, 217}, {500, 600, 219}, {1023, 1023, 20}};
}

// The bytes with the 32-bit field at the offset replaced.
inline FileBytes WithU32(FileBytes bytes, std::size_t offset, std::uint32_t value) {
    if (bytes.size() >= offset + 4) WriteU32(bytes.data() + offset, value);
    return bytes;
}

inline FileBytes Truncated(FileBytes bytes, std::size_t length) {
    bytes.resize(std::min(length, bytes.size()));
    return bytes;
}

// Bytes no text file holds: every value, NULs and control codes included, in a fixed order.
inline FileBytes BinaryNoise(std::size_t length = 4096) {
    std::mt19937 random(9);
    FileBytes bytes(length);
    for (std::uint8_t& b : bytes) b = static_cast<std::uint8_t>(random());
    return bytes;
}

}  // namespace vetra::test
