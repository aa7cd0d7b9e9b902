#pragma once

#include <cstdint>
#include <vector>

#include "formats/bitmapheader.h"
#include "formats/level.h"
#include "formats/tilerecord.h"

// Small levels and tilesets built in memory for the overlay and comment tests.
namespace vetra::test {

// A 304 x 160 tileset whose pixels are a recognisable pattern, with the given bytes behind the pixels.
inline std::vector<std::uint8_t> TilesetBytes(const std::vector<std::uint8_t>& comments = {}, std::uint8_t seed = 7) {
    auto header = TilesetHeader(160);
    std::vector<std::uint8_t> bytes(header.begin(), header.end());
    bytes.resize(kTilesetSize);
    for (std::size_t i = kBitmapHeaderSize; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * seed);
    bytes.insert(bytes.end(), comments.begin(), comments.end());
    WriteU32(bytes.data() + 2, static_cast<std::uint32_t>(bytes.size()));
    return bytes;
}

inline std::vector<std::uint8_t> RecordBytes(const std::vector<TileRecord>& records) {
    return EncodeTileRecords(records);
}

// A level: the tileset bytes (possibly none) followed by the records.
inline std::vector<std::uint8_t> LevelBytes(std::vector<std::uint8_t> tileset, const std::vector<TileRecord>& records) {
    auto encoded = EncodeTileRecords(records);
    tileset.insert(tileset.end(), encoded.begin(), encoded.end());
    return tileset;
}

// The records of a level file in file order, read the way the overlay tools read them.
inline std::vector<TileRecord> RecordsOf(const std::vector<std::uint8_t>& bytes) {
    return ReadTileRecords(bytes, ParseLevel(bytes, TilesetSignature::BothBytes));
}

}  // namespace vetra::test
