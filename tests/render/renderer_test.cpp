#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "formats/level.h"
#include "formats/mappalette.h"
#include "render/levelpicture.h"
#include "render/picturefile.h"
#include "render/rowpainter.h"
#include "render/tilesetkinds.h"
#include "support/levelfixtures.h"
#include "support/scratchdir.h"

namespace vetra::render {
namespace {

using test::KindColour;
using test::KindIndex;
using test::TilesetKind;

// The picture of a small level, drawn whole so that any pixel can be looked at.
struct Drawn {
    RenderView view;
    std::vector<std::uint8_t> rgb;

    Rgb Pixel(int x, int y) const {
        const std::uint8_t* p = rgb.data() + (static_cast<std::size_t>(y) * view.Width() + x) * 3;
        return Rgb{p[0], p[1], p[2]};
    }
};

Drawn Draw(const LevelPicture& picture, int cellSize, CellRect cells = {0, 0, 32, 32}) {
    Drawn drawn{{cells, cellSize}};
    std::size_t rowBytes = static_cast<std::size_t>(drawn.view.Width()) * 3;
    drawn.rgb.resize(rowBytes * drawn.view.Height());
    for (int row = 0; row < drawn.view.Height(); ++row)
        PaintRow(picture, drawn.view, row, std::span(drawn.rgb).subspan(rowBytes * row, rowBytes));
    return drawn;
}

LoadedPicture Load(const test::ScratchDir& dir, const std::string& name, const Bytes& bytes) {
    return LoadPicture(dir.Write(name, bytes));
}

// Every kind of cell at once: a tile, an object, a tile with no picture, an empty cell and two records on
// one cell, the later one drawn.
const std::vector<TileRecord> kCells = {
    {2, 3, 5}, {10, 10, 217}, {20, 4, 200}, {7, 7, 1}, {7, 7, 2}, {25, 25, 1}, {26, 25, 219},
};

Rgb Mean(std::initializer_list<std::pair<Rgb, int>> parts) {
    unsigned r = 0, g = 0, b = 0, n = 0;
    for (auto [c, count] : parts) r += c.red * count, g += c.green * count, b += c.blue * count, n += count;
    return Rgb{static_cast<std::uint8_t>((r + n / 2) / n), static_cast<std::uint8_t>((g + n / 2) / n),
               static_cast<std::uint8_t>((b + n / 2) / n)};
}

class TilesetKinds : public testing::TestWithParam<TilesetKind> {};

TEST_P(TilesetKinds, TilesAreDrawnFromTheLevelsOwnTilesetAtEachSize) {
    test::ScratchDir dir;
    LoadedPicture loaded = Load(dir, "kind.lvl", test::LevelBytes(test::KindTileset(GetParam()), kCells));
    ASSERT_TRUE(loaded.picture) << (loaded.result.notices.empty() ? "" : loaded.result.notices[0].text);
    EXPECT_TRUE(loaded.result.notices.empty());

    Drawn full = Draw(*loaded.picture, 16);
    for (auto [u, v] : {std::pair{0, 0}, {15, 7}, {3, 8}, {12, 15}})
        EXPECT_EQ(full.Pixel(2 * 16 + u, 3 * 16 + v), KindColour(KindIndex(5, u, v))) << u << "," << v;
    EXPECT_EQ(full.Pixel(7 * 16 + 4, 7 * 16 + 2), KindColour(2)) << "the later record is drawn";

    Drawn radar = Draw(*loaded.picture, 1);
    EXPECT_EQ(radar.Pixel(2, 3), Mean({{KindColour(5), 128}, {KindColour(0), 64}, {KindColour(255), 64}}));
    Drawn quarter = Draw(*loaded.picture, 4);
    EXPECT_EQ(quarter.Pixel(2 * 4, 3 * 4), KindColour(5));
    EXPECT_EQ(quarter.Pixel(2 * 4 + 3, 3 * 4 + 3), KindColour(255));
}

INSTANTIATE_TEST_SUITE_P(EachBitmapKind, TilesetKinds,
                         testing::Values(TilesetKind::Indexed8, TilesetKind::Rle8, TilesetKind::Rgb24,
                                         TilesetKind::Rgb32));

TEST(Renderer, ObjectsMarksAndEmptyCellsAtBothEndsOfTheScale) {
    LevelPicture picture = LevelPicture::FromRecords(kCells, std::nullopt);
    const auto& palette = MapPaletteColours();
    Rgb asteroid = palette[217];
    Rgb dark{static_cast<std::uint8_t>(asteroid.red / 2), static_cast<std::uint8_t>(asteroid.green / 2),
             static_cast<std::uint8_t>(asteroid.blue / 2)};

    Drawn radar = Draw(picture, 1);
    EXPECT_EQ(radar.Pixel(2, 3), palette[5]) << "no tileset: the map palette";
    for (auto [x, y] : {std::pair{10, 10}, {11, 10}, {10, 11}, {11, 11}})
        EXPECT_EQ(radar.Pixel(x, y), asteroid);
    EXPECT_EQ(radar.Pixel(12, 10), (Rgb{0, 0, 0}));
    EXPECT_EQ(radar.Pixel(0, 0), (Rgb{0, 0, 0}));
    EXPECT_NE(radar.Pixel(20, 4), (Rgb{0, 0, 0})) << "a tile with no picture is marked";
    EXPECT_EQ(radar.Pixel(25, 25), palette[1]);
    EXPECT_EQ(radar.Pixel(26, 30), palette[219]) << "the station's whole 6 x 6 footprint";

    Drawn full = Draw(picture, 16);
    EXPECT_EQ(full.Pixel(10 * 16, 10 * 16 + 5), dark) << "outline on the footprint's left";
    EXPECT_EQ(full.Pixel(11 * 16 + 15, 11 * 16 + 15), dark) << "and its bottom right";
    EXPECT_EQ(full.Pixel(11 * 16, 10 * 16 + 5), asteroid) << "no outline inside the footprint";
    Rgb cross = full.Pixel(20 * 16 + 5, 4 * 16 + 5), back = full.Pixel(20 * 16 + 5, 4 * 16 + 9);
    EXPECT_NE(cross, back);
    EXPECT_EQ(full.Pixel(20 * 16 + 10, 4 * 16 + 5), cross) << "a cross from corner to corner";
}

TEST(Renderer, CropKeepsTheOccupiedCellsWithAMargin) {
    EXPECT_EQ(LevelPicture::FromRecords(kCells, std::nullopt).Occupied(), (CellRect{1, 2, 32, 30}));
    EXPECT_EQ(LevelPicture::FromRecords(std::vector<TileRecord>{{0, 1023, 1}}, std::nullopt).Occupied(),
              (CellRect{0, 1022, 2, 2}));
    EXPECT_EQ(LevelPicture::FromRecords(std::vector<TileRecord>{}, std::nullopt).Occupied(), CellRect{});
    EXPECT_EQ(LevelPicture::FromRecords(std::vector<TileRecord>{{1020, 1020, 219}}, std::nullopt).Occupied(),
              (CellRect{1019, 1019, 5, 5}))
        << "a footprint is cut at the map's edge";
}

TEST(Renderer, AShortTilesetLeavesItsMissingTilesInMapColours) {
    test::ScratchDir dir;
    LoadedPicture loaded =
        Load(dir, "short.lvl",
             test::LevelBytes(test::KindTileset(TilesetKind::Indexed8, 144), {{0, 0, 171}, {1, 0, 172}}));
    ASSERT_TRUE(loaded.picture);
    Drawn full = Draw(*loaded.picture, 16, {0, 0, 2, 1});
    EXPECT_EQ(full.Pixel(0, 0), KindColour(171));
    EXPECT_EQ(full.Pixel(16, 0), MapPaletteColours()[172]);
}

TEST(Renderer, AMapBitmapShowsItsOwnColours) {
    test::ScratchDir dir;
    Bytes map = test::PatternBitmap(1024, 1024);
    LoadedPicture loaded = Load(dir, "map.bmp", map);
    ASSERT_TRUE(loaded.picture);
    Drawn radar = Draw(*loaded.picture, 1, {0, 0, 4, 4});
    // Row y from the top holds (y + 3x) mod 256.
    EXPECT_EQ(radar.Pixel(3, 2), MapPaletteColours()[2 + 9]);
    EXPECT_EQ(loaded.picture->At(1, 0).tile, 3);
}

struct Refusal {
    const char* name;
    Bytes bytes;
    const char* reason;
};

Bytes Patched(Bytes bytes, std::size_t offset, std::uint32_t value, int width = 4) {
    if (width == 4)
        WriteU32(&bytes[offset], value);
    else
        WriteU16(&bytes[offset], static_cast<std::uint16_t>(value));
    return bytes;
}

TEST(Renderer, WhatCannotBeDrawnIsRefusedWithItsReason) {
    Bytes tileset = test::KindTileset(TilesetKind::Indexed8);
    Bytes rle = test::KindTileset(TilesetKind::Rle8);
    Bytes map = test::PatternBitmap(1024, 1024);
    const Refusal maps[] = {
        {"small.bmp", test::PatternBitmap(304, 160), "is not a 1024 x 1024 map bitmap"},
        {"deep.bmp", Patched(map, 28, 24, 2), "is not an uncompressed 8-bit map bitmap"},
        {"cut.bmp", Bytes(map.begin(), map.begin() + 5000), "is cut off before the end of its pixels"},
        {"text.bmp", Bytes(100, 'x'), "is not a bitmap"},
        {"past.lvl", Patched(tileset, 2, 99999999), "declares a tileset larger than the file"},
    };
    for (const Refusal& refusal : maps) {
        test::ScratchDir dir;
        LoadedPicture loaded = Load(dir, refusal.name, refusal.bytes);
        EXPECT_FALSE(loaded.picture) << refusal.name;
        ASSERT_NE(loaded.result.FirstProblem(), nullptr) << refusal.name;
        EXPECT_EQ(loaded.result.FirstProblem()->reason, refusal.reason) << refusal.name;
        EXPECT_EQ(loaded.result.status, FileStatus::Refused);
    }
    // A tileset the renderer cannot read still leaves a picture, in map colours, with the reason.
    Bytes cutRle(rle.begin(), rle.begin() + 2000);
    WriteU32(&cutRle[2], static_cast<std::uint32_t>(cutRle.size()));
    const Refusal tilesets[] = {
        {"sixteen.lvl", Patched(tileset, 28, 16, 2),
         "has a tileset of 16 bits per pixel, which cannot be drawn"},
        {"narrow.lvl", Patched(tileset, 18, 300), "has a tileset 300 pixels wide, not 304"},
        {"odd.lvl", Patched(tileset, 22, 150), "has a tileset 150 pixels high, not whole rows of tiles"},
        {"huge.lvl", Patched(tileset, 22, 0x7FFFFFFF),
         "has a tileset 2147483647 pixels high, not whole rows of tiles"},
        {"cut.lvl", Patched(Bytes(tileset.begin(), tileset.begin() + 20000), 2, 20000),
         "has a tileset whose pixels are cut off"},
        {"packed.lvl", Patched(tileset, 30, 2),
         "has a tileset of 8 bits per pixel with compression 2, which cannot be drawn"},
        {"table.lvl", Patched(tileset, 14, 49000), "has a tileset whose colour table is cut off"},
    };
    for (const Refusal& refusal : tilesets) {
        test::ScratchDir dir;
        LoadedPicture loaded = Load(dir, refusal.name, test::LevelBytes(refusal.bytes, {{0, 0, 1}}));
        ASSERT_TRUE(loaded.picture) << refusal.name;
        ASSERT_EQ(loaded.result.notices.size(), 1u) << refusal.name;
        EXPECT_NE(loaded.result.notices[0].text.find(refusal.reason), std::string::npos)
            << refusal.name << ": " << loaded.result.notices[0].text;
        EXPECT_EQ(Draw(*loaded.picture, 1, {0, 0, 1, 1}).Pixel(0, 0), MapPaletteColours()[1]);
    }
}

TEST(Renderer, ACutCompressedTilesetKeepsTheRowsItHas) {
    Bytes rle = test::KindTileset(TilesetKind::Rle8);
    Bytes cut(rle.begin(), rle.begin() + 2000);
    WriteU32(&cut[2], static_cast<std::uint32_t>(cut.size()));
    std::string reason;
    std::optional<TilesetPixels> tiles = TilesetPixels::Decode(cut, reason);
    ASSERT_TRUE(tiles) << reason;
    // Stored bottom first: the last row of tiles is there, the first is blank.
    EXPECT_EQ(tiles->Tile(172, 16)[15 * 16], KindColour(0));
    EXPECT_EQ(tiles->Tile(1, 16)[0], KindColour(0));
}

}  // namespace
}  // namespace vetra::render
