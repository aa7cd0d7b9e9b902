#include "formats/bitmapheader.h"

#include <gtest/gtest.h>

#include "formats/level.h"
#include "formats/mappalette.h"

namespace vetra {
namespace {

TEST(BitmapHeader, MapHeaderHasTheFixedFields) {
    auto h = MapBitmapHeader();
    auto info = ReadBitmapInfo(h);
    ASSERT_TRUE(info);
    EXPECT_EQ(h[0], 'B');
    EXPECT_EQ(h[1], 'M');
    EXPECT_EQ(info->fileSize, 1049654u);
    EXPECT_EQ(info->pixelOffset, 1078u);
    EXPECT_EQ(info->infoSize, 40u);
    EXPECT_EQ(info->width, 1024);
    EXPECT_EQ(info->height, 1024);
    EXPECT_EQ(info->planes, 1);
    EXPECT_EQ(info->bitsPerPixel, 8);
    EXPECT_EQ(info->compression, 0u);
    EXPECT_EQ(info->imageSize, 1048576u);
    EXPECT_EQ(ReadU32(&h[38]), 2834u);
    EXPECT_EQ(ReadU32(&h[42]), 2834u);
    EXPECT_EQ(info->coloursUsed, 256u);
    EXPECT_EQ(ReadU32(&h[50]), 256u);
}

TEST(BitmapHeader, TilesetHeaderKeepsOnlyTheLowByteOfTheHeight) {
    struct Case {
        int height;
        std::uint32_t fileSize;
        std::uint32_t heightField;
    };
    for (Case c : {Case{160, 49718, 160}, Case{144, 144 * 304 + 1078, 144}, Case{300, 300 * 304 + 1078, 44}}) {
        auto h = TilesetHeader(c.height);
        auto info = ReadBitmapInfo(h);
        EXPECT_EQ(info->fileSize, c.fileSize);
        EXPECT_EQ(static_cast<std::uint32_t>(info->height), c.heightField);
        EXPECT_EQ(info->width, 304);
        EXPECT_EQ(info->imageSize, 48640u);
        EXPECT_EQ(ReadU32(&h[38]), 0u);
    }
}

TEST(BitmapHeader, TilesetAndMapTests) {
    std::vector<std::uint8_t> bytes(kMapBitmapSize, 0);
    auto map = MapBitmapHeader();
    std::copy(map.begin(), map.end(), bytes.begin());
    EXPECT_TRUE(PassesMapBitmapTest(bytes));
    EXPECT_FALSE(PassesTilesetWidth(bytes));
    WriteU32(&bytes[22], 512);  // another height still passes
    EXPECT_TRUE(PassesMapBitmapTest(bytes));
    bytes.pop_back();
    EXPECT_FALSE(PassesMapBitmapTest(bytes));

    auto tileset = TilesetHeader(100);
    EXPECT_TRUE(PassesTilesetWidth(tileset));
    WriteU32(&tileset[18], 304 + 65536);
    EXPECT_TRUE(PassesTilesetWidth(tileset));
    tileset[1] = 'X';
    EXPECT_FALSE(PassesTilesetSignature(tileset));
    EXPECT_FALSE(ReadBitmapInfo(std::span(tileset).first(53)));
}

TEST(MapPalette, StatedEntries) {
    const auto& c = MapPaletteColours();
    struct Case {
        int index;
        Rgb colour;
    };
    for (Case e : {Case{0, {0, 0, 0}}, Case{1, {0xFF, 0, 0xFF}}, Case{20, {0x50, 0x50, 0x50}},
                   Case{161, {0xFF, 0, 0xFF}}, Case{170, {0xFF, 0, 0}}, Case{223, {0x00, 0x05, 0xBC}},
                   Case{224, {0xE0, 0xE0, 0xE0}}, Case{225, {0xE0, 0xFF, 0xE0}}, Case{230, {0xE0, 0xFF, 0xFF}},
                   Case{231, {0xC0, 0xFF, 0xC0}}, Case{254, {0x60, 0xFF, 0xFF}}, Case{255, {0xFF, 0xFF, 0xFF}}})
        EXPECT_EQ(c[e.index], e.colour) << e.index;
    auto table = MapPaletteTable();
    EXPECT_EQ(table[4 * 170], 0x00);      // blue first
    EXPECT_EQ(table[4 * 170 + 2], 0xFF);  // then green, red
    EXPECT_EQ(table[4 * 255 + 3], 0x00);
}

}  // namespace
}  // namespace vetra
