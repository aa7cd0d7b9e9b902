#pragma once

#include <cstdint>

namespace vetra::convert {

// A tile record of a level or of an overlay on its way through an overlay merge.
struct MergeRecord {
    static constexpr std::int16_t kLevel = 0;
    static constexpr std::int16_t kOverlay = -1;

    std::int16_t source = kLevel;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::uint8_t tile = 0;

    bool operator==(const MergeRecord&) const = default;
};

}  // namespace vetra::convert
