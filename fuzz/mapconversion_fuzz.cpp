// Map conversion of a fuzzed bitmap (raw bytes, or a 1024-wide map with fuzzed header fields and pixels), with
// an empty or a fuzzed WallTile set.
#include <fuzzer/FuzzedDataProvider.h>

#include "convert/mapconversion.h"
#include "support/fuzzedinputs.h"
#include "support/workspace.h"
#include "util/progress.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vetra;
    FuzzedDataProvider input(data, size);
    bool mapShaped = input.ConsumeBool();
    ConverterWallTiles wallTiles = input.ConsumeBool() ? fuzz::ConsumeWallTiles(input) : ConverterWallTiles{};
    std::vector<std::uint8_t> bitmap =
        mapShaped ? fuzz::ConsumeMapBitmap(input) : input.ConsumeRemainingBytes<std::uint8_t>();
    fuzz::Workspace work({{"map.bmp", bitmap}});
    SilentProgress progress;
    work.Check(
        convert::Convert(progress, work.Path("map.bmp"), work.Path("map.lvl"), {.wallTiles = wallTiles}));
    return 0;
}
