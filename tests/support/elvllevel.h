#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A small level whose tileset carries extended level data: a 4 x 1 bitmap, the "elvl" section behind its
// pixels, then tile records. Chunks are given whole or with a declared size of their own, so that damaged
// sections can be built as well.
namespace vetra::test {

struct ElvlChunkBytes {
    std::string type;
    std::vector<std::uint8_t> data;
    std::int64_t declaredSize = -1;  // -1: the data's size
};

inline void PutU32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
    for (int k = 0; k < 4; ++k) bytes[at + k] = static_cast<std::uint8_t>(value >> (8 * k));
}

inline ElvlChunkBytes DcwtChunk(const std::vector<std::uint8_t>& tiles) { return {"DCWT", tiles}; }

// sectionSizeDelta is added to the section's declared size (a positive one runs past the tileset).
inline std::vector<std::uint8_t> ElvlLevel(const std::vector<ElvlChunkBytes>& chunks,
                                           const std::vector<std::uint8_t>& records = {},
                                           std::int64_t sectionSizeDelta = 0) {
    constexpr std::size_t kPixelOffset = 54, kSectionStart = 60;
    std::vector<std::uint8_t> bytes(kSectionStart + 12, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    PutU32(bytes, 6, kSectionStart);
    PutU32(bytes, 10, kPixelOffset);
    PutU32(bytes, 14, 40);
    PutU32(bytes, 18, 4);
    PutU32(bytes, 22, 1);
    bytes[26] = 1;
    bytes[28] = 8;
    PutU32(bytes, 34, 4);
    const char magic[] = "elvl";
    for (std::size_t k = 0; k < 4; ++k) bytes[kSectionStart + k] = static_cast<std::uint8_t>(magic[k]);
    for (const ElvlChunkBytes& chunk : chunks) {
        std::size_t at = bytes.size();
        bytes.resize(at + 8);
        for (std::size_t k = 0; k < 4 && k < chunk.type.size(); ++k) bytes[at + k] = chunk.type[k];
        PutU32(bytes, at + 4,
               static_cast<std::uint32_t>(chunk.declaredSize < 0 ? chunk.data.size() : chunk.declaredSize));
        bytes.insert(bytes.end(), chunk.data.begin(), chunk.data.end());
        bytes.resize((bytes.size() + 3) / 4 * 4, 0);
    }
    std::size_t tilesetEnd = bytes.size();
    PutU32(
        bytes, kSectionStart + 4,
        static_cast<std::uint32_t>(static_cast<std::int64_t>(tilesetEnd - kSectionStart) + sectionSizeDelta));
    PutU32(bytes, 2, static_cast<std::uint32_t>(tilesetEnd));
    bytes.insert(bytes.end(), records.begin(), records.end());
    return bytes;
}

// The 16 tile numbers first, first + 1, ... of a chunk.
inline std::vector<std::uint8_t> TileRun(int first) {
    std::vector<std::uint8_t> tiles;
    for (int k = 0; k < 16; ++k) tiles.push_back(static_cast<std::uint8_t>(first + k));
    return tiles;
}

}  // namespace vetra::test
