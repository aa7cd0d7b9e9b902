#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "formats/extendedleveldata.h"
#include "util/fileio.h"

// A level's extended level data as one part that travels with the level whatever happens to its tileset: the
// bytes from the section's "elvl" to the end of the tileset's declared size, carried byte for byte, damaged
// or not.
namespace vetra::convert {

struct LevelSection {
    std::size_t begin = 0;  // where "elvl" stands
    std::size_t end = 0;    // the tileset's declared end, cut at the end of the file
    ExtendedLevelData data;

    std::size_t Length() const { return end - begin; }
};

// The section of a tileset bitmap or of the tileset at the head of a level: behind the pixels and inside the
// declared size, at the offset the reserved field gives.
std::optional<LevelSection> FindLevelSection(std::span<const std::uint8_t> bytes);

// Pads head with zero bytes to the next multiple of 4 and appends the section's bytes from the file they were
// found in; the reserved field then gives the section's new offset and the size field the new end. False,
// with head unchanged, when the result would not fit a 32-bit size field.
bool AppendSection(Bytes& head, std::span<const std::uint8_t> from, const LevelSection& section);

// The summary line that tells the user the section went along: "PATH: extended level data kept (N chunks).",
// or for a damaged one, what is wrong with it and that it is kept as it stands.
std::string KeptSectionLine(const std::string& path, const LevelSection& section);

}  // namespace vetra::convert
