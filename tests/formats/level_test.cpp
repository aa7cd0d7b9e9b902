#include "formats/level.h"

#include <gtest/gtest.h>

#include "formats/bitmapheader.h"

namespace vetra {
namespace {

std::vector<std::uint8_t> Tileset(std::uint32_t size) {
    auto header = TilesetHeader(160);
    std::vector<std::uint8_t> bytes(header.begin(), header.end());
    bytes.resize(size, 0);
    WriteU32(bytes.data() + 2, size);
    return bytes;
}

void Append(std::vector<std::uint8_t>& bytes, TileRecord record) {
    auto encoded = record.Encode();
    bytes.insert(bytes.end(), encoded.begin(), encoded.end());
}

TEST(Level, WithoutTilesetRecordsStartAtZero) {
    std::vector<std::uint8_t> bytes;
    Append(bytes, {1, 2, 3});
    Append(bytes, {4, 5, 6});
    LevelLayout layout = ParseLevel(bytes, TilesetSignature::SecondByte);
    EXPECT_FALSE(layout.hasTileset);
    EXPECT_EQ(layout.recordStart, 0u);
    ASSERT_EQ(ReadTileRecords(bytes, layout), (std::vector<TileRecord>{{1, 2, 3}, {4, 5, 6}}));
}

TEST(Level, TilesetAloneHasNoRecords) {
    auto bytes = Tileset(kTilesetSize);
    LevelLayout layout = ParseLevel(bytes, TilesetSignature::BothBytes);
    EXPECT_TRUE(layout.hasTileset);
    EXPECT_EQ(layout.tilesetSize, kTilesetSize);
    EXPECT_EQ(layout.recordCount, 0u);
}

TEST(Level, RecordsStartAtTheTilesetSizeWhichMayIncludeComments) {
    auto bytes = Tileset(kTilesetSize + 22);
    Append(bytes, {7, 8, 9});
    bytes.push_back(0xAB);  // a stray byte
    LevelLayout layout = ParseLevel(bytes, TilesetSignature::SecondByte);
    EXPECT_EQ(layout.recordStart, kTilesetSize + 22u);
    EXPECT_EQ(layout.recordCount, 1u);
    EXPECT_EQ(layout.trailingBytes, 1u);
    EXPECT_EQ(ReadTileRecords(bytes, layout).front(), (TileRecord{7, 8, 9}));
}

TEST(Level, TilesetSizeBeyondTheEndIsDetectedWithoutReading) {
    for (std::uint32_t size : {kTilesetSize + 1, 0xFFFFFFFFu}) {
        auto bytes = Tileset(kTilesetSize);
        WriteU32(bytes.data() + 2, size);
        LevelLayout layout = ParseLevel(bytes, TilesetSignature::SecondByte);
        EXPECT_TRUE(layout.tilesetBeyondEnd) << size;
        EXPECT_TRUE(ReadTileRecords(bytes, layout).empty());
    }
    std::vector<std::uint8_t> cut = {'B', 'M', 1};
    EXPECT_TRUE(ParseLevel(cut, TilesetSignature::SecondByte).tilesetBeyondEnd);
}

TEST(Level, SignatureModesDifferOnlyInTheFirstByte) {
    std::vector<std::uint8_t> bytes = {'X', 'M', 6, 0, 0, 0};
    EXPECT_TRUE(ParseLevel(bytes, TilesetSignature::SecondByte).hasTileset);
    EXPECT_FALSE(ParseLevel(bytes, TilesetSignature::BothBytes).hasTileset);
    EXPECT_TRUE(ParseLevel({}, TilesetSignature::BothBytes).recordCount == 0);
}

}  // namespace
}  // namespace vetra
