// Deconverting a large level and applying a tileset to it, each beside its baseline in the same run: reading
// the level and writing files as long as the operation's outputs.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "convert/blanktileset.h"
#include "convert/deconversion.h"
#include "convert/tilesetapplication.h"
#include "formats/bitmapheader.h"
#include "formats/level.h"
#include "util/fileio.h"
#include "util/progress.h"

namespace {

using vetra::Bytes;

constexpr int kRecords = 300000;

std::string BenchFile(const std::string& name) {
    return (std::filesystem::temp_directory_path() / ("vetra-bench-" + name)).string();
}

// A tileset followed by records spread over the whole map.
Bytes LargeLevel() {
    Bytes level = vetra::convert::BlankTilesetBytes();
    std::mt19937 random(7);
    std::vector<vetra::TileRecord> records;
    for (int i = 0; i < kRecords; ++i)
        records.push_back({static_cast<int>(random() % 1024), static_cast<int>(random() % 1024),
                           static_cast<std::uint8_t>(1 + random() % 190)});
    Bytes encoded = vetra::EncodeTileRecords(records);
    level.insert(level.end(), encoded.begin(), encoded.end());
    return level;
}

void BM_Deconvert(benchmark::State& state) {
    std::string level = BenchFile("deconvert.lvl");
    vetra::WriteFileSafely(level, LargeLevel());
    vetra::SilentProgress progress;
    for (auto _ : state) {
        auto result = vetra::convert::LevelToBitmaps(progress, level, BenchFile("deconvert-t.bmp"),
                                                     BenchFile("deconvert-m.bmp"), {});
        if (!result.Done()) state.SkipWithError("deconversion failed");
    }
    for (const char* name : {"deconvert.lvl", "deconvert-t.bmp", "deconvert-m.bmp"})
        vetra::RemoveFileQuietly(BenchFile(name));
}
BENCHMARK(BM_Deconvert)->Unit(benchmark::kMillisecond);

void BM_DeconvertBaseline(benchmark::State& state) {
    std::string level = BenchFile("deconvert-base.lvl");
    vetra::WriteFileSafely(level, LargeLevel());
    Bytes tileset(vetra::kTilesetSize, 1), map(vetra::kMapBitmapSize, 2);
    for (auto _ : state) {
        benchmark::DoNotOptimize(vetra::ReadWholeFile(level));
        vetra::WriteFileSafely(BenchFile("deconvert-base-t.bmp"), tileset);
        vetra::WriteFileSafely(BenchFile("deconvert-base-m.bmp"), map);
    }
    for (const char* name : {"deconvert-base.lvl", "deconvert-base-t.bmp", "deconvert-base-m.bmp"})
        vetra::RemoveFileQuietly(BenchFile(name));
}
BENCHMARK(BM_DeconvertBaseline)->Unit(benchmark::kMillisecond);

void BM_ApplyTileset(benchmark::State& state) {
    std::string level = BenchFile("apply.lvl");
    std::string tiles = BenchFile("apply-tiles.bmp");
    vetra::WriteFileSafely(level, LargeLevel());
    vetra::SilentProgress progress;
    vetra::convert::MakeBlankTileset(progress, tiles);
    for (auto _ : state) {
        if (!vetra::convert::ApplyTileset(progress, level, tiles, {.replace = true}).Done())
            state.SkipWithError("application failed");
    }
    for (const char* name : {"apply.lvl", "apply-tiles.bmp"}) vetra::RemoveFileQuietly(BenchFile(name));
}
BENCHMARK(BM_ApplyTileset)->Unit(benchmark::kMillisecond);

void BM_ApplyTilesetBaseline(benchmark::State& state) {
    std::string level = BenchFile("apply-base.lvl");
    Bytes bytes = LargeLevel();
    vetra::WriteFileSafely(level, bytes);
    for (auto _ : state) {
        benchmark::DoNotOptimize(vetra::ReadWholeFile(level));
        vetra::WriteFileSafely(BenchFile("apply-base-out.lvl"), bytes);
    }
    for (const char* name : {"apply-base.lvl", "apply-base-out.lvl"})
        vetra::RemoveFileQuietly(BenchFile(name));
}
BENCHMARK(BM_ApplyTilesetBaseline)->Unit(benchmark::kMillisecond);

}  // namespace
