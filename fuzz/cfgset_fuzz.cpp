// The server-settings conversions on fuzzed files: .set to .cfg, .cfg to .set and descriptions, each with a
// fuzzed comment file (.sss or .set) where it takes one, with and without descriptions.
#include <fuzzer/FuzzedDataProvider.h>

#include "cfgset/cfgset.h"
#include "support/workspace.h"
#include "util/progress.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vetra;
    FuzzedDataProvider input(data, size);
    int procedure = input.ConsumeIntegralInRange(0, 2);
    bool descriptions = input.ConsumeBool();
    std::string commentName = input.ConsumeBool() ? "comments.sss" : "comments.set";
    std::vector<std::uint8_t> comments =
        input.ConsumeBytes<std::uint8_t>(input.ConsumeIntegralInRange<std::size_t>(0, input.remaining_bytes()));
    std::vector<std::uint8_t> settings = input.ConsumeRemainingBytes<std::uint8_t>();
    std::string settingsName = procedure == 1 ? "server.cfg" : "server.set";
    fuzz::Workspace work({{settingsName, settings}, {commentName, comments}});
    SilentProgress host;
    std::string path = work.Path(settingsName);
    switch (procedure) {
        case 0:
            work.Check(cfgset::ConvertSetToCfg(host, path, descriptions));
            break;
        case 1:
            work.Check(cfgset::ConvertCfgToSet(host, path, work.Path(commentName), descriptions));
            break;
        default:
            work.Check(cfgset::DescribeSet(host, path, work.Path(commentName)));
            break;
    }
    return 0;
}
