#pragma once

#include <array>
#include <cstdint>

namespace vetra {

// One 4-byte tile record of a level: x in bits 0-11, y in bits 12-23, tile in bits 24-31 (little-endian).
struct TileRecord {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::uint8_t tile = 0;

    bool operator==(const TileRecord&) const = default;

    static TileRecord Decode(const std::uint8_t* bytes) {
        return TileRecord{bytes[0] + (bytes[1] & 15) * 256, (bytes[1] >> 4) + bytes[2] * 16, bytes[3]};
    }

    // x and y must lie in 0..4095; the bits above are dropped as the format has no room for them.
    std::array<std::uint8_t, 4> Encode() const {
        return {static_cast<std::uint8_t>(x & 255), static_cast<std::uint8_t>((y & 15) * 16 + ((x >> 8) & 15)),
                static_cast<std::uint8_t>((y >> 4) & 255), tile};
    }

    bool InsideMap() const { return x >= 0 && x <= 1023 && y >= 0 && y <= 1023; }
};

}  // namespace vetra
