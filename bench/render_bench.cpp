// vetra-cli render --cell-size 1 of a level of 1,000,000 records, against its baseline in the same run:
// encoding the same 1024 x 1024 picture with libpng alone.
#include <benchmark/benchmark.h>
#include <png.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "formats/bitmapheader.h"
#include "formats/level.h"
#include "render/picturefile.h"
#include "render/pngoutput.h"
#include "render/rowpainter.h"
#include "util/fileio.h"

namespace {

std::string TempPath(const char* name) { return (std::filesystem::temp_directory_path() / name).string(); }

// A level with an 8-bit tileset and a record on almost every cell: 1,000,000 of them.
std::string MillionRecordLevel() {
    std::string path = TempPath("vetra-bench-million.lvl");
    vetra::BitmapHeaderBytes header = vetra::TilesetHeader(160);
    vetra::Bytes bytes(header.begin(), header.end());
    for (int i = 0; i < 256; ++i)
        bytes.insert(bytes.end(), {std::uint8_t(i), std::uint8_t(255 - i), std::uint8_t(i * 7), 0});
    for (std::uint32_t i = 0; i < vetra::kTilesetPixelSize; ++i)
        bytes.push_back(static_cast<std::uint8_t>(i * 13 + i / 304));
    for (int n = 0; n < 1000000; ++n) {
        vetra::TileRecord record{n % 1024, n / 1024, static_cast<std::uint8_t>(1 + n % 190)};
        auto encoded = record.Encode();
        bytes.insert(bytes.end(), encoded.begin(), encoded.end());
    }
    vetra::WriteFileSafely(path, bytes);
    return path;
}

void BM_RenderBaseline_LibpngEncode1024(benchmark::State& state) {
    std::string level = MillionRecordLevel();
    vetra::render::LoadedPicture loaded = vetra::render::LoadPicture(level);
    vetra::render::RenderView view{{}, 1};
    std::size_t rowBytes = static_cast<std::size_t>(view.Width()) * 3;
    std::vector<std::uint8_t> rgb(rowBytes * view.Height());
    for (int row = 0; row < view.Height(); ++row)
        vetra::render::PaintRow(*loaded.picture, view, row, std::span(rgb).subspan(rowBytes * row, rowBytes));
    std::string out = TempPath("vetra-bench-baseline.png");
    for (auto _ : state) {
        std::FILE* file = std::fopen(out.c_str(), "wb");
        png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
        png_infop info = png_create_info_struct(png);
        if (setjmp(png_jmpbuf(png)) == 0) {
            png_init_io(png, file);
            png_set_IHDR(png, info, view.Width(), view.Height(), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                         PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
            png_write_info(png, info);
            for (int row = 0; row < view.Height(); ++row) png_write_row(png, rgb.data() + rowBytes * row);
            png_write_end(png, info);
        }
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
    }
    vetra::RemoveFileQuietly(out);
    vetra::RemoveFileQuietly(level);
}
BENCHMARK(BM_RenderBaseline_LibpngEncode1024)->Unit(benchmark::kMillisecond);

// Reading the level, drawing it and writing the PNG through the safe writer, as the command does.
void BM_Render_MillionRecordsCellSize1(benchmark::State& state) {
    std::string level = MillionRecordLevel();
    std::string out = TempPath("vetra-bench-render.png");
    for (auto _ : state) {
        vetra::render::LoadedPicture loaded = vetra::render::LoadPicture(level);
        benchmark::DoNotOptimize(vetra::render::WritePng(loaded, {{}, 1}, out));
    }
    vetra::RemoveFileQuietly(out);
    vetra::RemoveFileQuietly(level);
}
BENCHMARK(BM_Render_MillionRecordsCellSize1)->Unit(benchmark::kMillisecond);

}  // namespace
