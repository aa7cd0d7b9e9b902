#include "render/pngoutput.h"

#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "render/picturefile.h"
#include "render/rowpainter.h"
#include "render/tilesetkinds.h"
#include "support/elvllevel.h"
#include "support/levelfixtures.h"
#include "support/scratchdir.h"

namespace vetra::render {
namespace {

struct DecodedPng {
    int width = 0, height = 0;
    std::vector<std::uint8_t> rgb;
    std::map<std::string, std::string> text;
};

// Decoded by libpng's own reader, as any viewer would.
DecodedPng DecodePng(const std::string& path) {
    DecodedPng decoded;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return decoded;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png)) == 0) {
        png_init_io(png, file);
        png_read_info(png, info);
        decoded.width = static_cast<int>(png_get_image_width(png, info));
        decoded.height = static_cast<int>(png_get_image_height(png, info));
        if (png_get_color_type(png, info) == PNG_COLOR_TYPE_RGB && png_get_bit_depth(png, info) == 8) {
            decoded.rgb.resize(static_cast<std::size_t>(decoded.width) * decoded.height * 3);
            for (int y = 0; y < decoded.height; ++y)
                png_read_row(png, &decoded.rgb[y * decoded.width * 3], nullptr);
        }
        png_read_end(png, info);
        png_textp text = nullptr;
        int count = png_get_text(png, info, &text, nullptr);
        for (int i = 0; i < count; ++i)
            decoded.text[text[i].key] = std::string(text[i].text, text[i].text_length);
    }
    png_destroy_read_struct(&png, &info, nullptr);
    std::fclose(file);
    return decoded;
}

std::vector<std::uint8_t> PaintedRows(const LevelPicture& picture, const RenderView& view) {
    std::size_t rowBytes = static_cast<std::size_t>(view.Width()) * 3;
    std::vector<std::uint8_t> rgb(rowBytes * view.Height());
    for (int row = 0; row < view.Height(); ++row)
        PaintRow(picture, view, row, std::span(rgb).subspan(rowBytes * row, rowBytes));
    return rgb;
}

// A whole tileset with an "elvl" section of ATTR chunks behind its pixels.
Bytes TilesetWithAttributes(const std::vector<std::string>& attributes) {
    Bytes bytes = test::KindTileset(test::TilesetKind::Indexed8);
    bytes.resize((bytes.size() + 3) / 4 * 4, 0);  // the section starts on a 4-byte boundary
    std::size_t start = bytes.size();
    Bytes section(12, 0);
    for (const std::string& text : attributes) {
        std::size_t at = section.size();
        section.resize(at + 8);
        std::copy_n("ATTR", 4, section.begin() + at);
        test::PutU32(section, at + 4, static_cast<std::uint32_t>(text.size()));
        section.insert(section.end(), text.begin(), text.end());
        section.resize((section.size() + 3) / 4 * 4, 0);
    }
    std::copy_n("elvl", 4, section.begin());
    test::PutU32(section, 4, static_cast<std::uint32_t>(section.size()));
    bytes.insert(bytes.end(), section.begin(), section.end());
    test::PutU32(bytes, 2, static_cast<std::uint32_t>(bytes.size()));
    test::PutU32(bytes, 6, static_cast<std::uint32_t>(start));
    return bytes;
}

TEST(PngOutput, APngReadBackHoldsTheRowsAndTheLevelsAttributes) {
    test::ScratchDir dir;
    std::string level =
        dir.Write("trip.lvl", test::LevelBytes(TilesetWithAttributes({"NAME=Round Trip", "ZONE=Test Zone"}),
                                               {{3, 4, 1}, {5, 5, 219}, {9, 2, 250}}));
    LoadedPicture loaded = LoadPicture(level);
    ASSERT_TRUE(loaded.picture);
    for (int cellSize : {1, 16}) {
        RenderView view{loaded.picture->Occupied(), cellSize};
        std::string out = dir.File("trip-" + std::to_string(cellSize) + ".png");
        FileResult result = WritePng(loaded, view, out);
        ASSERT_TRUE(result.Done());
        EXPECT_EQ(result.written, std::vector<std::string>{out});
        DecodedPng png = DecodePng(out);
        EXPECT_EQ(png.width, view.Width());
        EXPECT_EQ(png.height, view.Height());
        EXPECT_TRUE(png.rgb == PaintedRows(*loaded.picture, view)) << cellSize;
        EXPECT_EQ(png.text["Title"], "trip");
        EXPECT_EQ(png.text["NAME"], "Round Trip");
        EXPECT_EQ(png.text["ZONE"], "Test Zone");
    }
}

TEST(PngOutput, AFailedWriteLeavesNothingBehind) {
    test::ScratchDir dir;
    LoadedPicture loaded = LoadPicture(dir.Write("a.lvl", test::LevelBytes({}, {{0, 0, 1}})));
    ASSERT_TRUE(loaded.picture);
    FileResult result = WritePng(loaded, RenderView{{}, 1}, dir.File("missing-folder/a.png"));
    EXPECT_EQ(result.status, FileStatus::Failed);
    ASSERT_NE(result.FirstProblem(), nullptr);
    EXPECT_NE(result.FirstProblem()->text.find("missing-folder/a.png"), std::string::npos);
    EXPECT_TRUE(result.written.empty());
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"a.lvl"});
}

}  // namespace
}  // namespace vetra::render
