// Safe writing with a failure at a chosen step: the target is the old file or the new one whole, and no
// temporary file remains. Reading back honours the size limit.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <vector>

#include "support/fuzzcheck.h"
#include "util/fileio.h"
#include "util/writefaults.h"

namespace {

class FailAt : public vetra::WriteFaults {
public:
    explicit FailAt(int step) : step_(step) {}
    bool ShouldFail(vetra::WriteStep step) override { return static_cast<int>(step) == step_; }

private:
    int step_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using vetra::fuzz::Require;
    FuzzedDataProvider input(data, size);
    int step = input.ConsumeIntegralInRange(0, 4);  // 4: no failure
    bool existing = input.ConsumeBool();
    std::vector<std::uint8_t> old = input.ConsumeBytes<std::uint8_t>(input.ConsumeIntegralInRange(0, 64));
    std::vector<std::uint8_t> bytes = input.ConsumeRemainingBytes<std::uint8_t>();

    vetra::test::ScratchDir dir;
    std::string target = dir.File("target.lvl");
    if (existing) dir.Write("target.lvl", old);
    FailAt faults(step);
    bool failed = false;
    try {
        vetra::WriteFileSafely(target, bytes, &faults);
    } catch (const vetra::FileError&) {
        failed = true;
    }
    Require(failed == (step != 4), "a failed step went unreported, or a write failed by itself");
    if (failed && existing) vetra::fuzz::RequireUnchanged(target, old);
    if (!failed) vetra::fuzz::RequireUnchanged(target, bytes);
    vetra::fuzz::RequireOnlyFiles(dir, (failed && !existing) ? std::vector<std::string>{}
                                                            : std::vector<std::string>{"target.lvl"}, {});
    if (!failed) {
        std::uintmax_t limit = old.size();
        bool refused = false;
        try {
            Require(vetra::ReadWholeFile(target, limit).size() == bytes.size(), "read back a different length");
        } catch (const vetra::FileError&) {
            refused = true;
        }
        Require(refused == (bytes.size() > limit), "the read limit was not honoured");
    }
    return 0;
}
