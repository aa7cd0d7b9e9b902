// Deconversion of a fuzzed level into a tileset and a map bitmap, with an empty or a fuzzed WallTile set.
#include <fuzzer/FuzzedDataProvider.h>

#include "convert/deconversion.h"
#include "support/fuzzcheck.h"
#include "support/fuzzedinputs.h"
#include "support/workspace.h"
#include "util/recordinghost.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vetra;
    FuzzedDataProvider input(data, size);
    ConverterWallTiles wallTiles = input.ConsumeBool() ? fuzz::ConsumeWallTiles(input) : ConverterWallTiles{};
    std::vector<std::uint8_t> level = input.ConsumeRemainingBytes<std::uint8_t>();
    fuzz::Workspace work({{"level.lvl", level}});
    RecordingHost host;
    Convert::DeconversionResult result = Convert::LevelToBitmaps(host, work.Path("level.lvl"),
                                                                 work.Path("level-t.bmp"), work.Path("level-m.bmp"),
                                                                 wallTiles);
    Outcome outcome = result.outcome;
    if (!outcome.succeeded) {
        // A tileset bitmap written before the map failed rightly stays; nothing else may.
        for (const std::string& path : outcome.created)
            fuzz::Require(path == work.Path("level-t.bmp"), "a failed deconversion left a map bitmap");
        outcome.succeeded = true;
    }
    work.Check(outcome);
    return 0;
}
