// Map conversion of a fuzzed bitmap (raw bytes, or a 1024-wide map with fuzzed header fields and pixels), with
// an empty or a fuzzed WallTile set installed.
#include <fuzzer/FuzzedDataProvider.h>

#include "convert/installedwalltiles.h"
#include "convert/mapconversion.h"
#include "support/fuzzedinputs.h"
#include "support/workspace.h"
#include "util/recordinghost.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vetra;
    FuzzedDataProvider input(data, size);
    bool mapShaped = input.ConsumeBool();
    Convert::SetWallTiles(input.ConsumeBool() ? fuzz::ConsumeWallTiles(input) : ConverterWallTiles{});
    std::vector<std::uint8_t> bitmap =
        mapShaped ? fuzz::ConsumeMapBitmap(input) : input.ConsumeRemainingBytes<std::uint8_t>();
    fuzz::Workspace work({{"map.bmp", bitmap}});
    RecordingHost host;
    work.Check(Convert::Convert(host, work.Path("map.bmp"), work.Path("map.lvl")));
    return 0;
}
