#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "formats/tilerecord.h"

namespace vetra {

// Which bytes say that a level begins with a tileset: the deconverter and the tileset tools look at byte 1
// ("M") alone, the comment and overlay tools at both "B" and "M".
enum class TilesetSignature { SecondByte, BothBytes };

// Where the parts of a level file lie. Parsing never allocates; a size field is always checked against the
// real length first.
struct LevelLayout {
    std::size_t fileSize = 0;
    bool hasTileset = false;
    std::uint32_t tilesetSize = 0;   // S, the tileset's file-size field; 0 without a tileset
    bool tilesetBeyondEnd = false;   // S is larger than the file (or the field itself is cut off)
    bool tilesetTooShort = false;    // S is smaller than a tileset's header and colour table
    std::size_t recordStart = 0;     // S, or 0 without a tileset
    std::size_t recordCount = 0;     // whole records from recordStart to the end
    std::size_t trailingBytes = 0;   // bytes after the last whole record

    // A tileset is declared but cannot be told apart from the records: the tools refuse such a level.
    bool TilesetUnusable() const { return tilesetBeyondEnd || tilesetTooShort; }
};

LevelLayout ParseLevel(std::span<const std::uint8_t> bytes, TilesetSignature signature);

// The records of a parsed level in file order; none when the tileset size runs past the end.
std::vector<TileRecord> ReadTileRecords(std::span<const std::uint8_t> bytes, const LevelLayout& layout);

// The records as their bytes, in order.
std::vector<std::uint8_t> EncodeTileRecords(std::span<const TileRecord> records);

// Little-endian field access with bounds checks left to the caller.
inline std::uint32_t ReadU32(const std::uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
inline std::uint16_t ReadU16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
inline void WriteU32(std::uint8_t* p, std::uint32_t v) {
    p[0] = v & 255;
    p[1] = (v >> 8) & 255;
    p[2] = (v >> 16) & 255;
    p[3] = (v >> 24) & 255;
}
inline void WriteU16(std::uint8_t* p, std::uint16_t v) {
    p[0] = v & 255;
    p[1] = (v >> 8) & 255;
}

}  // namespace vetra
