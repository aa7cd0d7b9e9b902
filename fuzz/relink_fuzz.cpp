// Re-Link of a fuzzed level with an empty or a fuzzed WallTile set installed.
#include <fuzzer/FuzzedDataProvider.h>

#include "convert/installedwalltiles.h"
#include "convert/relink.h"
#include "support/fuzzedinputs.h"
#include "support/workspace.h"
#include "util/recordinghost.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vetra;
    FuzzedDataProvider input(data, size);
    Convert::SetWallTiles(input.ConsumeBool() ? fuzz::ConsumeWallTiles(input) : ConverterWallTiles{});
    std::vector<std::uint8_t> level = input.ConsumeRemainingBytes<std::uint8_t>();
    fuzz::Workspace work({{"level.lvl", level}});
    RecordingHost host;
    work.Check(Convert::ReLinkLevel(host, work.Path("level.lvl")));
    return 0;
}
