// Converting whole map bitmaps, each case beside its I/O baseline: reading the bitmap and writing a file as
// long as the level the conversion writes.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <functional>

#include "convert/mapconversion.h"
#include "formats/bitmapheader.h"
#include "formats/mappalette.h"
#include "util/fileio.h"
#include "util/progress.h"

namespace {

using vetra::Bytes;

Bytes MapFile(const std::function<std::uint8_t(int x, int y)>& pixel) {
    Bytes bytes(vetra::kMapBitmapSize, 0);
    auto header = vetra::MapBitmapHeader();
    auto palette = vetra::MapPaletteTable();
    std::copy(header.begin(), header.end(), bytes.begin());
    std::copy(palette.begin(), palette.end(), bytes.begin() + vetra::kBitmapHeaderSize);
    for (int y = 0; y < 1024; ++y)
        for (int x = 0; x < 1024; ++x)
            bytes[vetra::kPixelOffset + static_cast<std::size_t>(1023 - y) * 1024 + x] = pixel(x, y);
    return bytes;
}

// About 300,000 ordinary tiles scattered over the map, with an object every few rows.
std::uint8_t DensePixel(int x, int y) {
    if (y % 16 == 0 && x % 64 == 0) return x % 192 == 0 ? 219 : x % 192 == 64 ? 220 : 217;
    return (x * 7 + y * 13) % 10 < 3 ? static_cast<std::uint8_t>(1 + (x + y) % 160) : 0;
}

std::uint8_t FullPixel(int x, int y) { return static_cast<std::uint8_t>(1 + (x * 31 + y) % 190); }

// Rooms with walls two cells thick and a chequered floor, corridors two cells wide between them, and
// two-cell-thick diagonal bands, in WallTile 0's marker: about 200,000 cells.
std::uint8_t WallPixel(int x, int y) {
    int rx = x % 64, ry = y % 64;
    auto edge = [](int r) { return r == 4 || r == 5 || r == 43 || r == 44; };
    bool room = (rx >= 4 && rx <= 44 && edge(ry)) || (ry >= 4 && ry <= 44 && edge(rx));
    bool corridor = (ry == 23 || ry == 24) && rx > 44;
    int d = (x + y) % 96;
    bool band = (rx > 46 || ry > 46) && (d == 0 || d == 1);
    bool fill = (rx > 10 && rx < 38 && ry > 10 && ry < 38) && ((rx + ry) % 2 == 0);
    return room || corridor || band || fill ? 255 : 0;
}

struct Case {
    std::string bitmap;
    std::string level;
    std::size_t levelSize;
    vetra::convert::ConversionOptions options;
};

Case Prepare(const char* name, std::uint8_t (*pixel)(int, int), bool wallTiles) {
    auto folder = std::filesystem::temp_directory_path();
    Case c{(folder / (std::string("vetra-bench-") + name + ".bmp")).string(),
           (folder / (std::string("vetra-bench-") + name + ".lvl")).string(), 0, {}};
    vetra::WriteFileSafely(c.bitmap, MapFile(pixel));
    vetra::WallTileEntries entries{};
    for (int e = 0; e < 20; ++e) entries[e] = static_cast<std::uint8_t>(1 + e);
    const bool flags[] = {true};
    c.options.wallTiles = vetra::ConverterWallTiles::FirstOf(wallTiles ? 1 : 0, flags, std::span(&entries, 1));
    vetra::SilentProgress progress;
    vetra::convert::Convert(progress, c.bitmap, c.level, c.options);
    c.levelSize = static_cast<std::size_t>(vetra::FileLength(c.level));
    return c;
}

void RunConvert(benchmark::State& state, const char* name, std::uint8_t (*pixel)(int, int), bool wallTiles) {
    Case c = Prepare(name, pixel, wallTiles);
    vetra::SilentProgress progress;
    for (auto _ : state)
        benchmark::DoNotOptimize(vetra::convert::Convert(progress, c.bitmap, c.level, c.options));
    state.counters["records"] = static_cast<double>(c.levelSize / 4);
    vetra::RemoveFileQuietly(c.bitmap);
    vetra::RemoveFileQuietly(c.level);
}

void RunBaseline(benchmark::State& state, const char* name, std::uint8_t (*pixel)(int, int), bool wallTiles) {
    Case c = Prepare(name, pixel, wallTiles);
    Bytes level(c.levelSize, 0x5A);
    for (auto _ : state) {
        benchmark::DoNotOptimize(vetra::ReadWholeFile(c.bitmap));
        vetra::WriteFileSafely(c.level, level);
    }
    vetra::RemoveFileQuietly(c.bitmap);
    vetra::RemoveFileQuietly(c.level);
}

void BM_Convert_Dense300k(benchmark::State& state) { RunConvert(state, "dense", DensePixel, false); }
void BM_Convert_Dense300k_Baseline(benchmark::State& state) {
    RunBaseline(state, "dense", DensePixel, false);
}
void BM_Convert_FullMap(benchmark::State& state) { RunConvert(state, "full", FullPixel, false); }
void BM_Convert_FullMap_Baseline(benchmark::State& state) { RunBaseline(state, "full", FullPixel, false); }
void BM_Convert_WallTiles200k(benchmark::State& state) { RunConvert(state, "walls", WallPixel, true); }
void BM_Convert_WallTiles200k_Baseline(benchmark::State& state) {
    RunBaseline(state, "walls", WallPixel, true);
}

BENCHMARK(BM_Convert_Dense300k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Convert_Dense300k_Baseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Convert_FullMap)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Convert_FullMap_Baseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Convert_WallTiles200k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Convert_WallTiles200k_Baseline)->Unit(benchmark::kMillisecond);

}  // namespace
