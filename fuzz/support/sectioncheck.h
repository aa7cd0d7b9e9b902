#pragma once

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>

#include "convert/levelsection.h"
#include "support/fuzzcheck.h"
#include "util/fileio.h"

namespace vetra::fuzz {

// The extended level data of the input, when it has any, stands in the written file byte for byte, where the
// written file's own header points.
inline void RequireSectionKept(std::span<const std::uint8_t> input, const std::string& written) {
    std::optional<convert::LevelSection> before = convert::FindLevelSection(input);
    if (!before) return;
    Bytes output = ReadWholeFile(written);
    std::optional<convert::LevelSection> after = convert::FindLevelSection(output);
    Require(after.has_value(), "the extended level data was not found in the written file");
    Require(after->Length() == before->Length() &&
                std::equal(input.begin() + static_cast<std::ptrdiff_t>(before->begin),
                           input.begin() + static_cast<std::ptrdiff_t>(before->end),
                           output.begin() + static_cast<std::ptrdiff_t>(after->begin)),
            "the extended level data changed on its way into the written file");
}

}  // namespace vetra::fuzz
