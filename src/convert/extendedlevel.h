#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The extended level data that map editors store where a tileset's comments would be: an "elvl" section of
// chunks. Only what a person reads is listed. Reading never fails; a chunk cut off by the end of the section or
// the file ends the listing.
namespace vetra::convert {

// One line per "ATTR" chunk ("KEY=VALUE") and per "REGN" chunk ("Region: NAME"), in file order, as
// Windows-1252 text. The section starts at start (its "elvl") and cannot go beyond end.
std::vector<std::string> ExtendedLevelLines(std::span<const std::uint8_t> bytes, std::uint64_t start,
                                            std::uint64_t end);

}  // namespace vetra::convert
