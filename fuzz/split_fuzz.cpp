// Split Tiles on a fuzzed level, with and without Clean Palette.
#include <fuzzer/FuzzedDataProvider.h>

#include "convert/levelsplit.h"
#include "support/workspace.h"
#include "util/progress.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vetra;
    FuzzedDataProvider input(data, size);
    SilentProgress host;
    bool clean = input.ConsumeBool();
    std::vector<std::uint8_t> level = input.ConsumeRemainingBytes<std::uint8_t>();
    fuzz::Workspace work({{"level.lvl", level}});
    work.Check(convert::SplitLevel(host, work.Path("level.lvl"), clean));
    return 0;
}
