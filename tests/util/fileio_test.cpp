#include "util/fileio.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "support/scratchdir.h"
#include "util/writefaults.h"

namespace vetra {
namespace {

using test::ReadBytes;
using test::ScratchDir;

class FailAt : public WriteFaults {
public:
    explicit FailAt(WriteStep step) : step_(step) {}
    bool ShouldFail(WriteStep step) override { return step == step_; }

private:
    WriteStep step_;
};

TEST(FileIo, ReadWholeFileRefusesWhatIsNotAReadableFile) {
    ScratchDir dir;
    EXPECT_THROW(ReadWholeFile(dir.File("missing")), FileError);
    EXPECT_THROW(ReadWholeFile(dir.Path()), FileError);
    std::string big = dir.Write("big", std::string(100, 'x'));
    EXPECT_THROW(ReadWholeFile(big, 99), FileError);
    EXPECT_EQ(ReadWholeFile(big, 100).size(), 100u);
    EXPECT_TRUE(ReadWholeFile(dir.Write("empty", std::string())).empty());
}

TEST(FileIo, SafeWriteReplacesWholeOrNotAtAll) {
    for (WriteStep step : {WriteStep::CreateTemporary, WriteStep::WriteData, WriteStep::Flush, WriteStep::Rename}) {
        ScratchDir dir;
        std::string target = dir.Write("level.lvl", "old content");
        FailAt fault(step);
        EXPECT_THROW(WriteFileSafely(target, std::string("new"), &fault), FileError);
        EXPECT_EQ(ReadBytes(target), (std::vector<std::uint8_t>{'o', 'l', 'd', ' ', 'c', 'o', 'n', 't', 'e', 'n', 't'}));
        EXPECT_EQ(dir.Names(), std::vector<std::string>{"level.lvl"}) << "temporary file left behind";
    }
}

TEST(FileIo, SafeWriteCreatesAndReplaces) {
    ScratchDir dir;
    std::string target = dir.File("new.lvl");
    WriteFileSafely(target, std::string("first"));
    WriteFileSafely(target, std::string("second"));
    EXPECT_EQ(ReadBytes(target), (std::vector<std::uint8_t>{'s', 'e', 'c', 'o', 'n', 'd'}));
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"new.lvl"});
}

TEST(FileIo, SafeWriteIntoAnUnwritableFolderFails) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes anywhere";
    ScratchDir dir;
    std::filesystem::permissions(dir.Path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    EXPECT_THROW(WriteFileSafely(dir.File("x.lvl"), std::string("x")), FileError);
}

}  // namespace
}  // namespace vetra
