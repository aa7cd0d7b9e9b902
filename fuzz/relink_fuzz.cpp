// Re-Link of a fuzzed level with an empty or a fuzzed WallTile set.
#include <fuzzer/FuzzedDataProvider.h>

#include "convert/relink.h"
#include "support/fuzzedinputs.h"
#include "support/workspace.h"
#include "util/progress.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vetra;
    FuzzedDataProvider input(data, size);
    ConverterWallTiles wallTiles = input.ConsumeBool() ? fuzz::ConsumeWallTiles(input) : ConverterWallTiles{};
    std::vector<std::uint8_t> level = input.ConsumeRemainingBytes<std::uint8_t>();
    fuzz::Workspace work({{"level.lvl", level}});
    SilentProgress progress;
    work.Check(convert::ReLinkLevel(progress, work.Path("level.lvl"), {.wallTiles = wallTiles}));
    return 0;
}
