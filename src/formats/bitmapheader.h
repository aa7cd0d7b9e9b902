#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace vetra {

inline constexpr std::size_t kBitmapHeaderSize = 54;
inline constexpr std::size_t kPaletteSize = 1024;  // 256 entries of blue, green, red, 0
inline constexpr std::size_t kPixelOffset = 1078;
inline constexpr std::uint32_t kMapBitmapSize = 1049654;
inline constexpr std::uint32_t kMapPixelSize = 1024 * 1024;
inline constexpr std::uint32_t kTilesetPixelSize = 48640;
inline constexpr std::uint32_t kTilesetSize = 49718;  // a tileset of height 160 without comments

using BitmapHeaderBytes = std::array<std::uint8_t, kBitmapHeaderSize>;

// The fields of a Windows bitmap's two headers, as stored; nothing is checked here.
struct BitmapInfo {
    std::uint32_t fileSize = 0;
    std::uint32_t pixelOffset = 0;
    std::uint32_t infoSize = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;  // negative: rows stored top down
    std::uint16_t planes = 0;
    std::uint16_t bitsPerPixel = 0;
    std::uint32_t compression = 0;
    std::uint32_t imageSize = 0;
    std::uint32_t coloursUsed = 0;
};

// The header fields, or nothing when the bytes are shorter than the 54 header bytes.
std::optional<BitmapInfo> ReadBitmapInfo(std::span<const std::uint8_t> bytes);

// Byte 1 is "M".
bool PassesTilesetSignature(std::span<const std::uint8_t> bytes);
// The signature, and the low 16 bits of the width are 304.
bool PassesTilesetWidth(std::span<const std::uint8_t> bytes);
// The low 16 bits of the width are 1024 and the file holds a whole map bitmap.
bool PassesMapBitmapTest(std::span<const std::uint8_t> bytes);

// The header every map bitmap the program writes starts with.
BitmapHeaderBytes MapBitmapHeader();
// The header of a tileset of the given height; only the height's low byte is stored, as peers expect.
BitmapHeaderBytes TilesetHeader(int height);

}  // namespace vetra
