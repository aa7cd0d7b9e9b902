// Laying a small overlay over a level of a million records and diffing two such levels, each beside its
// baseline in the same run: reading both inputs and writing a file as long as the output.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <numeric>
#include <random>

#include "convert/makediff.h"
#include "convert/overlay.h"
#include "formats/level.h"
#include "util/fileio.h"
#include "util/filenameext.h"
#include "util/recordinghost.h"

namespace {

using vetra::Bytes;
using vetra::TileRecord;

constexpr int kLevelRecords = 1000000;
constexpr int kOverlayRecords = 10000;

// Each run gets a folder of its own, so the numbered outputs never pile up.
struct BenchFolder {
    std::filesystem::path path = std::filesystem::temp_directory_path() / "vetra-bench-overlay";
    BenchFolder() { std::filesystem::create_directories(path); }
    ~BenchFolder() { std::filesystem::remove_all(path); }
    std::string File(const std::string& name) const { return (path / name).string(); }
    void Clear(const std::vector<std::string>& keep) const {
        for (const auto& entry : std::filesystem::directory_iterator(path))
            if (std::find(keep.begin(), keep.end(), entry.path().string()) == keep.end())
                std::filesystem::remove(entry.path());
    }
};

// Records at distinct places, as a converted map has them, in no particular order.
std::vector<TileRecord> RandomRecords(int count, std::uint32_t seed) {
    std::mt19937 random(seed);
    std::vector<int> cells(1024 * 1024);
    std::iota(cells.begin(), cells.end(), 0);
    std::shuffle(cells.begin(), cells.end(), random);
    std::vector<TileRecord> records;
    records.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        records.push_back({cells[i] % 1024, cells[i] / 1024, static_cast<std::uint8_t>(1 + random() % 160)});
    return records;
}

// The level with one record in a hundred given another tile.
std::vector<TileRecord> Edited(std::vector<TileRecord> records) {
    for (std::size_t i = 0; i < records.size(); i += 100) records[i].tile = static_cast<std::uint8_t>(170);
    return records;
}

void Baseline(benchmark::State& state, const BenchFolder& folder, const std::string& a, const std::string& b,
              std::size_t outputSize) {
    Bytes output(outputSize, 3);
    for (auto _ : state) {
        benchmark::DoNotOptimize(vetra::ReadWholeFile(a));
        benchmark::DoNotOptimize(vetra::ReadWholeFile(b));
        vetra::WriteFileSafely(folder.File("baseline.lvl"), output);
    }
}

void BM_Overlay(benchmark::State& state) {
    BenchFolder folder;
    std::string level = folder.File("level.lvl"), overlay = folder.File("overlay.lvl");
    vetra::WriteFileSafely(level, vetra::EncodeTileRecords(RandomRecords(kLevelRecords, 7)));
    vetra::WriteFileSafely(overlay, vetra::EncodeTileRecords(RandomRecords(kOverlayRecords, 8)));
    vetra::RecordingHost host;
    for (auto _ : state) {
        if (!vetra::Convert::ApplyOverlay(host, level, overlay).succeeded)
            state.SkipWithError("overlay failed");
        state.PauseTiming();
        folder.Clear({level, overlay});
        host.Forget();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Overlay)->Unit(benchmark::kMillisecond);

void BM_OverlayBaseline(benchmark::State& state) {
    BenchFolder folder;
    std::string level = folder.File("level.lvl"), overlay = folder.File("overlay.lvl");
    vetra::WriteFileSafely(level, vetra::EncodeTileRecords(RandomRecords(kLevelRecords, 7)));
    vetra::WriteFileSafely(overlay, vetra::EncodeTileRecords(RandomRecords(kOverlayRecords, 8)));
    Baseline(state, folder, level, overlay, 4u * (kLevelRecords + kOverlayRecords));
}
BENCHMARK(BM_OverlayBaseline)->Unit(benchmark::kMillisecond);

void BM_Diff(benchmark::State& state) {
    BenchFolder folder;
    std::string unaltered = folder.File("unaltered.lvl"), edited = folder.File("edited.lvl");
    std::vector<TileRecord> records = RandomRecords(kLevelRecords, 9);
    vetra::WriteFileSafely(unaltered, vetra::EncodeTileRecords(records));
    vetra::WriteFileSafely(edited, vetra::EncodeTileRecords(Edited(records)));
    vetra::RecordingHost host;
    for (auto _ : state) {
        if (!vetra::Convert::MakeDiff(host, unaltered, edited).succeeded) state.SkipWithError("diff failed");
        state.PauseTiming();
        folder.Clear({unaltered, edited});
        host.Forget();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Diff)->Unit(benchmark::kMillisecond);

void BM_DiffBaseline(benchmark::State& state) {
    BenchFolder folder;
    std::string unaltered = folder.File("unaltered.lvl"), edited = folder.File("edited.lvl");
    std::vector<TileRecord> records = RandomRecords(kLevelRecords, 9);
    vetra::WriteFileSafely(unaltered, vetra::EncodeTileRecords(records));
    vetra::WriteFileSafely(edited, vetra::EncodeTileRecords(Edited(records)));
    Baseline(state, folder, unaltered, edited, 4u * kLevelRecords / 100);
}
BENCHMARK(BM_DiffBaseline)->Unit(benchmark::kMillisecond);

}  // namespace
