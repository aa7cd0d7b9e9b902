#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <vector>

#include "walltiles/model/converterwalltiles.h"

// Inputs the targets build from fuzzed bytes where wholly random bytes would almost never get past the first
// check of a reader.
namespace vetra::fuzz {

// A WallTile set of 0 to 32 definitions with fuzzed tile numbers and diagonal flags.
ConverterWallTiles ConsumeWallTiles(FuzzedDataProvider& input);

// A map bitmap with a 1024-wide header, some header fields fuzzed, a fuzzed length near a whole map's, and the
// remaining bytes placed as runs of pixels at fuzzed places; the rest of the pixels are 0.
std::vector<std::uint8_t> ConsumeMapBitmap(FuzzedDataProvider& input);

}  // namespace vetra::fuzz
