#include "formats/extendedleveldata.h"

#include <algorithm>
#include <cstdio>

#include "formats/level.h"

namespace vetra {
namespace {

constexpr std::size_t kSectionHeader = 12;
constexpr std::size_t kChunkHeader = 8;

std::size_t Padded(std::size_t size) { return (size + 3) / 4 * 4; }

std::string Bytes(std::span<const std::uint8_t> bytes, std::size_t from, std::size_t count) {
    std::string text(reinterpret_cast<const char*>(bytes.data() + from), count);
    while (!text.empty() && text.back() == '\0') text.pop_back();
    return text;
}

// A region's sub-chunks have the same shape as the section's chunks; "rNAM" holds its name.
std::string RegionName(std::span<const std::uint8_t> bytes, std::size_t pos, std::size_t end) {
    while (pos + kChunkHeader <= end) {
        std::uint32_t size = ReadU32(bytes.data() + pos + 4);
        if (size > end - pos - kChunkHeader) break;
        if (Bytes(bytes, pos, 4) == "rNAM") return Bytes(bytes, pos + kChunkHeader, size);
        pos += kChunkHeader + Padded(size);
    }
    return {};
}

ElvlChunk ReadChunk(std::span<const std::uint8_t> bytes, std::size_t pos, std::size_t end) {
    ElvlChunk chunk;
    chunk.type = std::string(reinterpret_cast<const char*>(bytes.data() + pos), 4);
    chunk.offset = pos;
    chunk.size = ReadU32(bytes.data() + pos + 4);
    std::size_t room = end - pos - kChunkHeader;
    if (chunk.size > room) {
        chunk.overrun = static_cast<std::uint32_t>(std::min<std::size_t>(chunk.size - room, UINT32_MAX));
        return chunk;
    }
    std::size_t data = pos + kChunkHeader;
    if (chunk.type == "ATTR") chunk.text = Bytes(bytes, data, chunk.size);
    if (chunk.type == "REGN") chunk.text = RegionName(bytes, data, data + chunk.size);
    return chunk;
}

ExtendedLevelData ReadSection(std::span<const std::uint8_t> bytes, std::size_t offset, std::size_t limit) {
    ExtendedLevelData section;
    section.offset = offset;
    if (limit - offset < kSectionHeader) {
        section.cut = true;
        section.end = limit;
        return section;
    }
    section.declaredSize = ReadU32(bytes.data() + offset + 4);
    section.cut = section.declaredSize < kSectionHeader || section.declaredSize > limit - offset;
    section.end = section.declaredSize > limit - offset
                      ? limit
                      : offset + std::max<std::size_t>(section.declaredSize, kSectionHeader);
    std::size_t pos = offset + kSectionHeader;
    while (pos < section.end) {
        if (section.end - pos < kChunkHeader) {
            // Zero bytes there are padding some editors add; anything else is left over from a fault.
            auto rest = bytes.subspan(pos, section.end - pos);
            if (std::any_of(rest.begin(), rest.end(), [](std::uint8_t c) { return c != 0; }))
                section.stray = rest.size();
            break;
        }
        section.chunks.push_back(ReadChunk(bytes, pos, section.end));
        if (section.chunks.back().overrun != 0) break;
        pos += kChunkHeader + Padded(section.chunks.back().size);
    }
    return section;
}

std::string Hex(unsigned char c) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "\\x%02X", c);
    return hex;
}

// Chunk text keeps its Windows-1252 letters; only the bytes that would break a line are escaped.
std::string ShownText(const std::string& text) {
    std::string shown;
    for (char ch : text) {
        auto c = static_cast<unsigned char>(ch);
        shown += c < 0x20 || c == 0x7F ? Hex(c) : std::string(1, ch);
    }
    return shown;
}

std::string SizeText(std::uint64_t size) { return std::to_string(size) + (size == 1 ? " byte" : " bytes"); }

std::string ChunkLine(const ElvlChunk& chunk) {
    std::string type = ShownChunkType(chunk.type);
    if (chunk.overrun != 0)
        return type + " chunk, " + SizeText(chunk.size) + " declared, " + std::to_string(chunk.overrun) +
               " past the end of the section (damaged)";
    if (chunk.type == "ATTR") return ShownText(chunk.text);
    if (chunk.type == "REGN") return "Region: " + ShownText(chunk.text);
    return type + " chunk, " + SizeText(chunk.size);
}

}  // namespace

std::string ShownChunkType(const std::string& type) {
    std::string shown;
    for (char ch : type) {
        auto c = static_cast<unsigned char>(ch);
        shown += c < 0x20 || c >= 0x7F || c == '\\' ? Hex(c) : std::string(1, ch);
    }
    return shown;
}

std::vector<std::string> DescribeChunks(const ExtendedLevelData& section) {
    std::vector<std::string> lines;
    for (const ElvlChunk& chunk : section.chunks) lines.push_back(ChunkLine(chunk));
    return lines;
}

std::string SectionDamage(const ExtendedLevelData& section) {
    if (section.cut) {
        if (section.end - section.offset < kSectionHeader) return "it is cut short inside its header";
        if (section.declaredSize < kSectionHeader) return "its size field is smaller than its header";
        return "its size runs past the tileset";
    }
    if (!section.chunks.empty() && section.chunks.back().overrun != 0)
        return "its chunk " + ShownChunkType(section.chunks.back().type) + " runs past its end";
    if (section.stray != 0) return SizeText(section.stray) + " at its end are not a chunk";
    return "";
}

std::optional<ExtendedLevelData> FindExtendedLevelData(std::span<const std::uint8_t> bytes,
                                                       std::size_t areaStart, std::size_t areaEnd) {
    areaEnd = std::min(areaEnd, bytes.size());
    if (bytes.size() < 10) return std::nullopt;
    std::size_t offset = ReadU32(bytes.data() + 6);
    if (offset == 0 || offset % 4 != 0 || offset < areaStart || offset >= areaEnd) return std::nullopt;
    if (areaEnd - offset < 4 || Bytes(bytes, offset, 4) != "elvl") return std::nullopt;
    return ReadSection(bytes, offset, areaEnd);
}

}  // namespace vetra
