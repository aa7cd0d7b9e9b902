#include "formats/bitmapheader.h"

#include "formats/level.h"

namespace vetra {
namespace {

BitmapHeaderBytes CommonHeader(std::uint32_t fileSize, std::uint32_t width, std::uint32_t heightField,
                               std::uint32_t imageSize, std::uint32_t resolution) {
    BitmapHeaderBytes h{};
    h[0] = 'B';
    h[1] = 'M';
    WriteU32(&h[2], fileSize);
    WriteU32(&h[10], kPixelOffset);
    WriteU32(&h[14], 40);
    WriteU32(&h[18], width);
    WriteU32(&h[22], heightField);
    WriteU16(&h[26], 1);
    WriteU16(&h[28], 8);
    WriteU32(&h[34], imageSize);
    WriteU32(&h[38], resolution);
    WriteU32(&h[42], resolution);
    WriteU32(&h[46], 256);
    WriteU32(&h[50], 256);
    return h;
}

}  // namespace

std::optional<BitmapInfo> ReadBitmapInfo(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kBitmapHeaderSize) return std::nullopt;
    const std::uint8_t* p = bytes.data();
    BitmapInfo info;
    info.fileSize = ReadU32(p + 2);
    info.pixelOffset = ReadU32(p + 10);
    info.infoSize = ReadU32(p + 14);
    info.width = static_cast<std::int32_t>(ReadU32(p + 18));
    info.height = static_cast<std::int32_t>(ReadU32(p + 22));
    info.planes = ReadU16(p + 26);
    info.bitsPerPixel = ReadU16(p + 28);
    info.compression = ReadU32(p + 30);
    info.imageSize = ReadU32(p + 34);
    info.coloursUsed = ReadU32(p + 46);
    return info;
}

bool PassesTilesetSignature(std::span<const std::uint8_t> bytes) { return bytes.size() >= 2 && bytes[1] == 0x4D; }

bool PassesTilesetWidth(std::span<const std::uint8_t> bytes) {
    return PassesTilesetSignature(bytes) && bytes.size() >= 20 && bytes[18] == 0x30 && bytes[19] == 0x01;
}

bool PassesMapBitmapTest(std::span<const std::uint8_t> bytes) {
    return bytes.size() >= kMapBitmapSize && bytes[18] == 0x00 && bytes[19] == 0x04;
}

BitmapHeaderBytes MapBitmapHeader() { return CommonHeader(kMapBitmapSize, 1024, 1024, kMapPixelSize, 2834); }

BitmapHeaderBytes TilesetHeader(int height) {
    auto fileSize = static_cast<std::uint32_t>(height * 304 + 1078);
    return CommonHeader(fileSize, 304, static_cast<std::uint32_t>(height) & 255, kTilesetPixelSize, 0);
}

}  // namespace vetra
