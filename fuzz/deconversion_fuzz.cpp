// Deconversion of a fuzzed level into a tileset and a map bitmap, with an empty or a fuzzed WallTile set.
#include <fuzzer/FuzzedDataProvider.h>

#include "convert/deconversion.h"
#include "support/fuzzcheck.h"
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
    work.Check(convert::LevelToBitmaps(progress, work.Path("level.lvl"), work.Path("level-t.bmp"),
                                       work.Path("level-m.bmp"), {.wallTiles = wallTiles}));
    return 0;
}
