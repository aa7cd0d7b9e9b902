#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "formats/level.h"

namespace vetra::test {

// An 8-bit bitmap of the given size whose pixel in row y from the top and column x holds (y + 3 * x) mod 256,
// with a grey palette; the height field holds the whole height.
inline std::vector<std::uint8_t> PatternBitmap(int width, int height, int seed = 0) {
    std::vector<std::uint8_t> bytes(1078 + static_cast<std::size_t>(width) * height, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    WriteU32(&bytes[2], static_cast<std::uint32_t>(bytes.size()));
    WriteU32(&bytes[10], 1078);
    WriteU32(&bytes[14], 40);
    WriteU32(&bytes[18], static_cast<std::uint32_t>(width));
    WriteU32(&bytes[22], static_cast<std::uint32_t>(height));
    WriteU16(&bytes[26], 1);
    WriteU16(&bytes[28], 8);
    for (int i = 0; i < 256; ++i)
        bytes[54 + 4 * i] = bytes[55 + 4 * i] = bytes[56 + 4 * i] = static_cast<std::uint8_t>(i);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bytes[1078 + static_cast<std::size_t>(height - 1 - y) * width + x] =
                static_cast<std::uint8_t>(y + 3 * x + seed);
    return bytes;
}

// A 304 x 160 tileset whose tile t is filled with the value t, and a palette of grey steps.
inline std::vector<std::uint8_t> NumberedTileset(int height = 160) {
    std::vector<std::uint8_t> bytes = PatternBitmap(304, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < 304; ++x)
            bytes[1078 + static_cast<std::size_t>(height - 1 - y) * 304 + x] =
                static_cast<std::uint8_t>((y / 16) * 19 + x / 16 + 1);
    return bytes;
}

// A level: an optional tileset followed by a few tile records.
inline std::vector<std::uint8_t> LevelWith(const std::vector<std::uint8_t>& tileset) {
    std::vector<std::uint8_t> bytes = tileset;
    for (std::uint32_t record : {0x01000000u, 0x02001001u, 0x03002002u}) {
        std::uint8_t word[4];
        WriteU32(word, record);
        bytes.insert(bytes.end(), word, word + 4);
    }
    return bytes;
}

}  // namespace vetra::test
