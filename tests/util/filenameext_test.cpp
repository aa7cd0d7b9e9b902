#include "util/filenameext.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <optional>

#include "support/scratchdir.h"

namespace vetra::filenameext {
namespace {

using test::ScratchDir;

TEST(FileNameExt, UniqueFileName) {
    struct Case {
        std::vector<std::string> existing;
        std::string given;
        std::string expected;
    };
    const Case cases[] = {
        {{}, "free.lvl", "free.lvl"},
        {{}, "noextension", "noextension"},
        {{"map.lvl"}, "map.lvl", "map-0.lvl"},
        {{"map.lvl", "map-0.lvl"}, "map.lvl", "map-1.lvl"},
        {{"map-3.lvl"}, "map-3.lvl", "map-4.lvl"},
        {{"map-007.lvl"}, "map-007.lvl", "map-7.lvl"},
        {{"my-map.lvl"}, "my-map.lvl", "my-map-0.lvl"},
        {{"map-.lvl"}, "map-.lvl", "map-0.lvl"},
        {{"map-5.lvl", "map-6.lvl"}, "map-5.lvl", "map-7.lvl"},
        {{"map-99999999999.lvl"}, "map-99999999999.lvl", "map-99999999999-0.lvl"},
    };
    for (const Case& c : cases) {
        ScratchDir dir;
        for (const std::string& name : c.existing) dir.Write(name, "x");
        EXPECT_EQ(UniqueFileName(dir.File(c.given)), dir.File(c.expected)) << c.given;
    }
}

TEST(FileNameExt, DashInFolderNameStaysInThePrefix) {
    ScratchDir dir;
    std::filesystem::create_directory(dir.File("a-b"));
    dir.Write("a-b/map.lvl", "x");
    EXPECT_EQ(UniqueFileName(dir.File("a-b/map.lvl")), dir.File("a-b/map-0.lvl"));
}

TEST(FileNameExt, SplitExtensionAndBareFileName) {
    struct Case {
        std::string path, extension, rest;
    };
    for (const Case& c : {Case{"/maps/map.old.lvl", ".lvl", "/maps/map.old"}, Case{"/my.dir/file", ".dir/file", "/my"},
                          Case{"/maps/plain", "", "/maps/plain"}, Case{"x.", ".", "x"}}) {
        std::string path = c.path;
        EXPECT_EQ(SplitExtension(path), c.extension) << c.path;
        EXPECT_EQ(path, c.rest) << c.path;
    }
    EXPECT_EQ(BareFileName("/maps/x.lvl"), "x.lvl");
    EXPECT_EQ(BareFileName("x.lvl"), "x.lvl");
    EXPECT_EQ(BareFileName("/maps/"), "");
}

TEST(FileNameExt, HasExtensionIgnoresCase) {
    EXPECT_TRUE(HasExtension("/a/B.LVL", ".lvl"));
    EXPECT_FALSE(HasExtension("/a/b.lvl2", ".lvl"));
    EXPECT_FALSE(HasExtension("lvl", ".lvl"));
}

// Sets or unsets an environment variable for the life of the object.
class EnvironmentValue {
public:
    EnvironmentValue(const char* name, std::optional<std::string> value) : name_(name) {
        if (const char* old = getenv(name)) old_ = old;
        if (value) setenv(name, value->c_str(), 1);
        else unsetenv(name);
    }
    ~EnvironmentValue() {
        if (old_) setenv(name_, old_->c_str(), 1);
        else unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(FileNameExt, TempDirOrder) {
    ScratchDir temp, tmp;
    {
        EnvironmentValue a("TEMP", temp.Path()), b("TMP", tmp.Path());
        EXPECT_EQ(TempDir(), temp.Path() + "/");
    }
    {
        EnvironmentValue a("TEMP", temp.Path() + "/missing"), b("TMP", tmp.Path() + "/");
        EXPECT_EQ(TempDir(), tmp.Path() + "/");
    }
    {
        EnvironmentValue a("TEMP", std::string()), b("TMP", std::nullopt), c("TMPDIR", temp.Path());
        EXPECT_EQ(TempDir(), temp.Path() + "/");  // the system's choice
    }
}

}  // namespace
}  // namespace vetra::filenameext
