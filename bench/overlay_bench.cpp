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
#include "util/progress.h"

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

// The two inputs of one benchmark, written once into its folder.
struct Inputs {
    std::string first, second;
};

Inputs OverlayInputs(const BenchFolder& folder) {
    Inputs inputs{folder.File("level.lvl"), folder.File("overlay.lvl")};
    vetra::WriteFileSafely(inputs.first, vetra::EncodeTileRecords(RandomRecords(kLevelRecords, 7)));
    vetra::WriteFileSafely(inputs.second, vetra::EncodeTileRecords(RandomRecords(kOverlayRecords, 8)));
    return inputs;
}

Inputs DiffInputs(const BenchFolder& folder) {
    Inputs inputs{folder.File("unaltered.lvl"), folder.File("edited.lvl")};
    std::vector<TileRecord> records = RandomRecords(kLevelRecords, 9);
    vetra::WriteFileSafely(inputs.first, vetra::EncodeTileRecords(records));
    vetra::WriteFileSafely(inputs.second, vetra::EncodeTileRecords(Edited(records)));
    return inputs;
}

// Runs the operation on the inputs; its outputs are removed between runs, outside the timing.
template <class Operation>
void Run(benchmark::State& state, const BenchFolder& folder, const Inputs& inputs, Operation operation) {
    vetra::SilentProgress progress;
    for (auto _ : state) {
        if (!operation(progress, inputs.first, inputs.second).Done()) state.SkipWithError("the operation failed");
        state.PauseTiming();
        folder.Clear({inputs.first, inputs.second});
        state.ResumeTiming();
    }
}

void BM_Overlay(benchmark::State& state) {
    BenchFolder folder;
    Run(state, folder, OverlayInputs(folder), vetra::convert::ApplyOverlay);
}
BENCHMARK(BM_Overlay)->Unit(benchmark::kMillisecond);

void BM_OverlayBaseline(benchmark::State& state) {
    BenchFolder folder;
    Inputs inputs = OverlayInputs(folder);
    Baseline(state, folder, inputs.first, inputs.second, 4u * (kLevelRecords + kOverlayRecords));
}
BENCHMARK(BM_OverlayBaseline)->Unit(benchmark::kMillisecond);

void BM_Diff(benchmark::State& state) {
    BenchFolder folder;
    Run(state, folder, DiffInputs(folder), vetra::convert::MakeDiff);
}
BENCHMARK(BM_Diff)->Unit(benchmark::kMillisecond);

void BM_DiffBaseline(benchmark::State& state) {
    BenchFolder folder;
    Inputs inputs = DiffInputs(folder);
    Baseline(state, folder, inputs.first, inputs.second, 4u * kLevelRecords / 100);
}
BENCHMARK(BM_DiffBaseline)->Unit(benchmark::kMillisecond);

}  // namespace
