#include "support/levelfixtures.h"

#include <utility>

#include "formats/bitmapheader.h"
#include "formats/level.h"

namespace vetra::test {
namespace {

constexpr int kTilesetWidth = 304;

Bytes SeededTileset(int height, std::uint8_t seed) {
    auto header = TilesetHeader(height);
    Bytes bytes(header.begin(), header.end());
    for (int i = 0; i < 1024; ++i) bytes.push_back(static_cast<std::uint8_t>(seed * 31 + i * 3));
    for (int i = 0; i < height * kTilesetWidth; ++i) bytes.push_back(static_cast<std::uint8_t>(seed + i * 7));
    return bytes;
}

Bytes NumberedTileset(int height) {
    Bytes bytes = PatternBitmap(kTilesetWidth, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < kTilesetWidth; ++x)
            bytes[kPixelOffset + static_cast<std::size_t>(height - 1 - y) * kTilesetWidth + x] =
                static_cast<std::uint8_t>((y / 16) * 19 + x / 16 + 1);
    return bytes;
}

}  // namespace

Bytes TilesetBitmap(const TilesetShape& shape) {
    Bytes bytes = shape.numbered ? NumberedTileset(shape.height) : SeededTileset(shape.height, shape.seed);
    bytes.insert(bytes.end(), shape.comments.begin(), shape.comments.end());
    WriteU32(bytes.data() + 2, static_cast<std::uint32_t>(bytes.size()));
    return bytes;
}

Bytes PatternBitmap(int width, int height, int seed) {
    Bytes bytes(kPixelOffset + static_cast<std::size_t>(width) * height, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    WriteU32(&bytes[2], static_cast<std::uint32_t>(bytes.size()));
    WriteU32(&bytes[10], kPixelOffset);
    WriteU32(&bytes[14], 40);
    WriteU32(&bytes[18], static_cast<std::uint32_t>(width));
    WriteU32(&bytes[22], static_cast<std::uint32_t>(height));
    WriteU16(&bytes[26], 1);
    WriteU16(&bytes[28], 8);
    for (int i = 0; i < 256; ++i)
        bytes[54 + 4 * i] = bytes[55 + 4 * i] = bytes[56 + 4 * i] = static_cast<std::uint8_t>(i);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bytes[kPixelOffset + static_cast<std::size_t>(height - 1 - y) * width + x] =
                static_cast<std::uint8_t>(y + 3 * x + seed);
    return bytes;
}

Bytes Letters(std::size_t count) {
    Bytes bytes;
    for (std::size_t i = 0; i < count; ++i) bytes.push_back(static_cast<std::uint8_t>('a' + i % 26));
    return bytes;
}

Bytes RecordBytes(const std::vector<TileRecord>& records) { return EncodeTileRecords(records); }

Bytes LevelBytes(Bytes tileset, const std::vector<TileRecord>& records) {
    return Joined(std::move(tileset), RecordBytes(records));
}

Bytes Joined(Bytes first, const Bytes& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

std::vector<TileRecord> RecordsOf(const Bytes& level) {
    return ReadTileRecords(level, ParseLevel(level, TilesetSignature::BothBytes));
}

}  // namespace vetra::test
