#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The extended level data that current map editors keep behind a tileset's pixels: a section that starts
// with "elvl", its total size and a reserved word, then chunks of a 4-byte type, a 32-bit size and data
// padded to 4 bytes. Reading never fails: what does not fit is marked, never read past the bytes given.
namespace vetra {

struct ElvlChunk {
    std::string type;           // the four type bytes as stored
    std::size_t offset = 0;     // of the chunk's header in the file
    std::uint32_t size = 0;     // as declared, without header and padding
    std::uint32_t overrun = 0;  // bytes the declared data runs past the section; 0 for a sound chunk
    std::string text;           // an ATTR chunk's "KEY=VALUE", a REGN chunk's region name; raw bytes
};

struct ExtendedLevelData {
    std::size_t offset = 0;          // of "elvl"
    std::uint32_t declaredSize = 0;  // the section's total size field, header included
    std::size_t end = 0;             // where reading stopped looking: the declared end, or the limit given
    bool cut = false;                // the declared size runs past the limit, or is smaller than the header
    std::size_t stray = 0;           // non-zero bytes at the end, too few for a chunk header
    std::vector<ElvlChunk> chunks;   // in file order; a damaged chunk is the last one read

    bool Damaged() const { return cut || stray != 0 || (!chunks.empty() && chunks.back().overrun != 0); }
};

// The section the 32-bit field at offset 6 points at, when that field is non-zero, 4-byte aligned, lies in
// [areaStart, areaEnd) and the bytes there are "elvl"; nothing otherwise. The section is read up to areaEnd.
std::optional<ExtendedLevelData> FindExtendedLevelData(std::span<const std::uint8_t> bytes,
                                                       std::size_t areaStart, std::size_t areaEnd);

// The one listing of a section's chunks that every view of a level shows, one line per chunk in file order:
// an ATTR chunk as its KEY=VALUE, a REGN chunk as "Region: NAME", any other chunk by type and size, and a
// damaged chunk marked so. Lines are Windows-1252 text; control bytes and unprintable type bytes appear as
// \xNN, so that nothing from the file can break a line or a terminal.
std::vector<std::string> DescribeChunks(const ExtendedLevelData& section);

// What is wrong with a damaged section, as a clause ("its size runs past the tileset"); "" for a sound one.
std::string SectionDamage(const ExtendedLevelData& section);

// A chunk type as it can be shown: printable ASCII as it is, every other byte as \xNN.
std::string ShownChunkType(const std::string& type);

}  // namespace vetra
