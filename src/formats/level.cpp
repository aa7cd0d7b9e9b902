#include "formats/level.h"

#include "formats/bitmapheader.h"

namespace vetra {

LevelLayout ParseLevel(std::span<const std::uint8_t> bytes, TilesetSignature signature) {
    LevelLayout layout;
    layout.fileSize = bytes.size();
    bool secondByte = bytes.size() >= 2 && bytes[1] == 0x4D;
    layout.hasTileset = signature == TilesetSignature::SecondByte ? secondByte : secondByte && bytes[0] == 0x42;
    if (layout.hasTileset) {
        if (bytes.size() < 6) {
            layout.tilesetBeyondEnd = true;
            return layout;
        }
        layout.tilesetSize = ReadU32(bytes.data() + 2);
        if (layout.tilesetSize > bytes.size()) {
            layout.tilesetBeyondEnd = true;
            return layout;
        }
        // Records would start inside the header, so the tileset's own bytes would be read as records.
        layout.tilesetTooShort = layout.tilesetSize < kPixelOffset;
        layout.recordStart = layout.tilesetSize;
    }
    std::size_t rest = bytes.size() - layout.recordStart;
    layout.recordCount = rest / 4;
    layout.trailingBytes = rest % 4;
    return layout;
}

std::vector<TileRecord> ReadTileRecords(std::span<const std::uint8_t> bytes, const LevelLayout& layout) {
    std::vector<TileRecord> records;
    if (layout.tilesetBeyondEnd || layout.fileSize != bytes.size()) return records;
    records.reserve(layout.recordCount);
    for (std::size_t i = 0; i < layout.recordCount; ++i)
        records.push_back(TileRecord::Decode(bytes.data() + layout.recordStart + 4 * i));
    return records;
}

std::vector<std::uint8_t> EncodeTileRecords(std::span<const TileRecord> records) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(records.size() * 4);
    for (const TileRecord& record : records) {
        auto encoded = record.Encode();
        bytes.insert(bytes.end(), encoded.begin(), encoded.end());
    }
    return bytes;
}

}  // namespace vetra
