#pragma once

// Tilesets and levels built in memory for the tests of every layer.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "formats/tilerecord.h"
#include "util/fileio.h"

namespace vetra::test {

struct TilesetShape {
    int height = 160;
    // Palette and pixels follow from the seed, so tilesets of different seeds differ.
    std::uint8_t seed = 1;
    // Bytes behind the pixels, counted by the file-size field.
    Bytes comments = {};
    // Instead: a grey palette and tile t (from 1, row by row from the top) filled with the value t, in a
    // bitmap as a paint program saves it (the whole height in the height field, no image size).
    bool numbered = false;
};

Bytes TilesetBitmap(const TilesetShape& shape = {});

// An 8-bit bitmap as a paint program saves it, with a grey palette; the pixel in row y from the top and
// column x holds (y + 3 * x + seed) mod 256.
Bytes PatternBitmap(int width, int height, int seed = 0);

// "abc...z" over and over: comments that are easy to tell apart from pixels.
Bytes Letters(std::size_t count);

Bytes RecordBytes(const std::vector<TileRecord>& records);

// A level: the tileset (possibly none) followed by the records.
Bytes LevelBytes(Bytes tileset, const std::vector<TileRecord>& records);

Bytes Joined(Bytes first, const Bytes& second);

// The records of a level file in file order, read the way the overlay tools read them.
std::vector<TileRecord> RecordsOf(const Bytes& level);

}  // namespace vetra::test
