// Overlay and Make Diff on two fuzzed levels, the input split in two at a fuzzed place.
#include <fuzzer/FuzzedDataProvider.h>

#include "convert/makediff.h"
#include "convert/overlay.h"
#include "support/workspace.h"
#include "util/progress.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vetra;
    FuzzedDataProvider input(data, size);
    bool overlay = input.ConsumeBool();
    std::vector<std::uint8_t> first =
        input.ConsumeBytes<std::uint8_t>(input.ConsumeIntegralInRange<std::size_t>(0, input.remaining_bytes()));
    std::vector<std::uint8_t> second = input.ConsumeRemainingBytes<std::uint8_t>();
    fuzz::Workspace work({{"first.lvl", first}, {"second.lvl", second}});
    SilentProgress host;
    work.Check(overlay ? convert::ApplyOverlay(host, work.Path("first.lvl"), work.Path("second.lvl"))
                       : convert::MakeDiff(host, work.Path("first.lvl"), work.Path("second.lvl")));
    return 0;
}
