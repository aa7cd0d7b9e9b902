#include "convert/extendedlevel.h"

#include <algorithm>
#include <functional>
#include <string_view>

#include "formats/level.h"

namespace vetra::convert {
namespace {

constexpr std::uint64_t kSectionHeader = 12;  // "elvl", total size, reserved
constexpr std::uint64_t kChunkHeader = 8;     // type, size

// Chunk text ends at its first zero byte; other control bytes would break the listing's lines.
std::string ChunkText(std::span<const std::uint8_t> data) {
    std::string text(data.begin(), std::find(data.begin(), data.end(), 0));
    std::replace_if(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }, ' ');
    return text;
}

// Calls visit(type, data) for each chunk between begin and end; chunk data is padded to 4 bytes.
void ForEachChunk(std::span<const std::uint8_t> bytes, std::uint64_t begin, std::uint64_t end,
                  const std::function<void(std::string_view, std::span<const std::uint8_t>)>& visit) {
    std::uint64_t at = begin;
    while (at + kChunkHeader <= end) {
        std::string_view type(reinterpret_cast<const char*>(bytes.data() + at), 4);
        std::uint64_t size = ReadU32(bytes.data() + at + 4);
        std::uint64_t dataStart = at + kChunkHeader;
        if (size > end - dataStart) return;
        visit(type, bytes.subspan(dataStart, size));
        at = dataStart + (size + 3) / 4 * 4;
    }
}

std::string RegionName(std::span<const std::uint8_t> region) {
    std::string name;
    ForEachChunk(region, 0, region.size(), [&](std::string_view type, std::span<const std::uint8_t> data) {
        if (type == "rNAM" && name.empty()) name = ChunkText(data);
    });
    return name;
}

}  // namespace

std::vector<std::string> ExtendedLevelLines(std::span<const std::uint8_t> bytes, std::uint64_t start,
                                            std::uint64_t end) {
    std::vector<std::string> lines;
    end = std::min<std::uint64_t>(end, bytes.size());
    if (start + kSectionHeader > end) return lines;
    end = std::min(end, start + ReadU32(bytes.data() + start + 4));
    ForEachChunk(bytes, start + kSectionHeader, end, [&](std::string_view type, std::span<const std::uint8_t> data) {
        if (type == "ATTR") lines.push_back(ChunkText(data));
        if (type == "REGN") lines.push_back("Region: " + RegionName(data));
    });
    return lines;
}

}  // namespace vetra::convert
