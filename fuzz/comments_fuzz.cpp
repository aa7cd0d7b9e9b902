// Reading and rewriting the comments (and extended level data) of a fuzzed tileset or level, with a fuzzed
// text, into a new file or in place.
#include <fuzzer/FuzzedDataProvider.h>

#include "convert/comments.h"
#include "support/fuzzcheck.h"
#include "support/sectioncheck.h"
#include "support/workspace.h"
#include "util/progress.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vetra;
    FuzzedDataProvider input(data, size);
    bool replace = input.ConsumeBool();
    bool wipe = input.ConsumeBool();
    std::string text = input.ConsumeRandomLengthString(512);
    std::vector<std::uint8_t> file = input.ConsumeRemainingBytes<std::uint8_t>();
    fuzz::Workspace work({{"level.lvl", file}});
    std::string path = work.Path("level.lvl");
    std::string shown = convert::ReadComments(path);
    convert::SaysNoTileset(shown);
    bool refused = convert::CommentsRefusal(path).has_value();
    SilentProgress host;
    FileResult outcome =
        convert::WriteComments(host, path, wipe ? convert::kRemoveAllComments : text, replace);
    fuzz::Require(!(refused && outcome.Done()), "a refused rewrite reported success");
    work.Check(outcome, {"level.lvl"});
    for (const std::string& written : outcome.written) {
        convert::ReadComments(written);
        fuzz::RequireSectionKept(file, written);
    }
    return 0;
}
