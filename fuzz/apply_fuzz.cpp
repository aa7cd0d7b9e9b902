// Apply Tiles on a fuzzed level with a fuzzed or a good tileset source, into a new file or in place, with and
// without Clean Palette.
#include <fuzzer/FuzzedDataProvider.h>

#include "convert/blanktileset.h"
#include "convert/tilesetapplication.h"
#include "support/sectioncheck.h"
#include "support/workspace.h"
#include "util/progress.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vetra;
    FuzzedDataProvider input(data, size);
    bool replace = input.ConsumeBool();
    bool clean = input.ConsumeBool();
    bool fuzzedSource = input.ConsumeBool();
    SilentProgress progress;
    std::vector<std::uint8_t> source =
        fuzzedSource ? input.ConsumeBytes<std::uint8_t>(
                           input.ConsumeIntegralInRange<std::size_t>(0, input.remaining_bytes()))
                     : convert::BlankTilesetBytes();
    std::vector<std::uint8_t> level = input.ConsumeRemainingBytes<std::uint8_t>();
    fuzz::Workspace work({{"level.lvl", level}, {"tiles.bmp", source}});
    FileResult outcome = convert::ApplyTileset(progress, work.Path("level.lvl"), work.Path("tiles.bmp"),
                                               {.replace = replace, .cleanPalette = clean});
    work.Check(outcome, {"level.lvl"});
    for (const std::string& written : outcome.written) fuzz::RequireSectionKept(level, written);
    return 0;
}
