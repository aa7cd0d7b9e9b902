#include "convert/levelsection.h"

#include <algorithm>

#include "convert/commentarea.h"
#include "formats/level.h"

namespace vetra::convert {
namespace {

constexpr std::size_t kReservedField = 6;
constexpr std::size_t kSizeField = 2;

std::string Chunks(std::size_t count) { return std::to_string(count) + (count == 1 ? " chunk" : " chunks"); }

}  // namespace

std::optional<LevelSection> FindLevelSection(std::span<const std::uint8_t> bytes) {
    CommentArea area = FindCommentArea(bytes);
    if (!area.section) return std::nullopt;
    return LevelSection{area.section->offset, static_cast<std::size_t>(area.end), *area.section};
}

bool AppendSection(Bytes& head, std::span<const std::uint8_t> from, const LevelSection& section) {
    std::size_t begin = (head.size() + 3) / 4 * 4;
    if (head.size() < kReservedField + 4 || begin + section.Length() > UINT32_MAX) return false;
    head.resize(begin, 0);
    head.insert(head.end(), from.begin() + static_cast<std::ptrdiff_t>(section.begin),
                from.begin() + static_cast<std::ptrdiff_t>(section.end));
    WriteU32(head.data() + kReservedField, static_cast<std::uint32_t>(begin));
    WriteU32(head.data() + kSizeField, static_cast<std::uint32_t>(head.size()));
    return true;
}

std::string KeptSectionLine(const std::string& path, const LevelSection& section) {
    std::string chunks = Chunks(section.data.chunks.size());
    std::string damage = SectionDamage(section.data);
    if (damage.empty()) return path + ": extended level data kept (" + chunks + ").";
    return path + ": damaged extended level data kept as it stands (" + chunks + "; " + damage + ").";
}

}  // namespace vetra::convert
