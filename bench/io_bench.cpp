// The I/O baseline every engine case is measured against in the same run: reading and safely writing a file
// of the size the engine case handles.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "util/fileio.h"

namespace {

void BM_IoBaseline_ReadWrite(benchmark::State& state) {
    auto size = static_cast<std::size_t>(state.range(0));
    std::string path = (std::filesystem::temp_directory_path() / "vetra-bench-io.bin").string();
    vetra::Bytes bytes(size, 0x5A);
    for (auto _ : state) {
        vetra::WriteFileSafely(path, bytes);
        benchmark::DoNotOptimize(vetra::ReadWholeFile(path));
    }
    vetra::RemoveFileQuietly(path);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size * 2));
}
BENCHMARK(BM_IoBaseline_ReadWrite)->Arg(49718)->Arg(1049654)->Arg(4 * 1024 * 1024)->Unit(benchmark::kMillisecond);

}  // namespace
