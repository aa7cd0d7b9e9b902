// Every output write of every operation, with a failure injected at each of its steps in turn: each file is
// afterwards either as it was or as a clean run leaves it, whole; no temporary file remains; and the failure
// is reported.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "support/scratchdir.h"
#include "util/fileio.h"
#include "util/fileresult.h"
#include "support/recordinghost.h"
#include "util/writefaults.h"

namespace vetra {
namespace {
namespace fs = std::filesystem;
using test::ReadBytes;
using test::ScratchDir;

// Fails the step asked for the n-th time, counting across all writes; counts every step asked.
class FailNth : public WriteFaults {
public:
    explicit FailNth(std::optional<int> n) : n_(n) {}
    bool ShouldFail(WriteStep) override { return asked_++ == n_; }
    int Asked() const { return asked_; }
    bool Fired() const { return n_ && asked_ > *n_; }

private:
    std::optional<int> n_;
    int asked_ = 0;
};

// TEMP and TMP point into the scratch folder while an operation runs, so its temporary files are seen too.
class TempInside {
public:
    explicit TempInside(const std::string& folder) {
        for (const char* name : {"TEMP", "TMP", "TMPDIR"}) {
            const char* old = std::getenv(name);
            saved_[name] = old ? std::optional<std::string>(old) : std::nullopt;
            ::setenv(name, folder.c_str(), 1);
        }
    }
    ~TempInside() {
        for (const auto& [name, value] : saved_)
            value ? ::setenv(name.c_str(), value->c_str(), 1) : ::unsetenv(name.c_str());
    }
    TempInside(const TempInside&) = delete;
    TempInside& operator=(const TempInside&) = delete;

private:
    std::map<std::string, std::optional<std::string>> saved_;
};

using Files = std::map<std::string, std::vector<std::uint8_t>>;

Files Take(const std::string& folder) {
    Files files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file()) files[fs::relative(entry.path(), folder).string()] = ReadBytes(entry.path().string());
    return files;
}

// One operation that writes files: it lays out its inputs in a folder, then runs there.
struct Writer {
    std::string label;
    std::function<void(const ScratchDir& dir)> setUp;
    std::function<FileResult(RecordingHost& host, const ScratchDir& dir)> run;
};

struct Run {
    Files before, after;
    FileResult outcome;
    std::vector<std::string> messages;
    int steps = 0;
    bool fired = false;
};

Run RunWith(const Writer& writer, std::optional<int> failAt) {
    ScratchDir dir;
    fs::create_directory(dir.File("tmp"));
    writer.setUp(dir);
    Run result;
    result.before = Take(dir.Path());
    FailNth faults(failAt);
    RecordingHost host;
    host.SetFaults(&faults);
    {
        TempInside temp(dir.File("tmp"));
        result.outcome = writer.run(host, dir);
    }
    result.after = Take(dir.Path());
    result.messages = host.Messages();
    for (const std::string& line : host.Summary()) result.messages.push_back(line);
    result.steps = faults.Asked();
    result.fired = faults.Fired();
    return result;
}

void SweepFaults(const Writer& writer) {
    SCOPED_TRACE(writer.label);
    Run clean = RunWith(writer, std::nullopt);
    ASSERT_TRUE(clean.outcome.Done()) << "the operation fails without any fault";
    ASSERT_GE(clean.steps, 4) << "the operation wrote nothing through the safe writer";
    for (int n = 0; n < clean.steps; ++n) {
        SCOPED_TRACE("failure at step " + std::to_string(n));
        Run faulted = RunWith(writer, n);
        ASSERT_TRUE(faulted.fired);
        EXPECT_FALSE(faulted.outcome.Done() && faulted.messages.empty()) << "the failure went unreported";
        for (const auto& [name, bytes] : faulted.after) {
            auto old = clean.before.find(name);
            auto fresh = clean.after.find(name);
            bool asBefore = old != clean.before.end() && old->second == bytes;
            bool asAfter = fresh != clean.after.end() && fresh->second == bytes;
            EXPECT_TRUE(asBefore || asAfter) << name << " is neither the old file nor the new one whole";
        }
        for (const auto& [name, bytes] : clean.before)
            if (clean.after.contains(name)) {
                EXPECT_TRUE(faulted.after.contains(name)) << name << " was lost";
            }
    }
}

// Writes the bytes through the safe writer as the engine does: the file written, or the reason it was not.
FileResult WriteThrough(Host& host, const std::string& path, const std::vector<std::uint8_t>& bytes) {
    FileResult result{path};
    try {
        WriteFileSafely(path, bytes, host.Faults());
        result.written.push_back(path);
    } catch (const FileError& error) {
        result.Add({NoticeKind::WriteError, NoticeDisplay::MessageBox, path, error.Reason(), error.what()});
        result.Mark(FileStatus::Failed);
    }
    return result;
}

std::vector<Writer> Writers() {
    std::vector<std::uint8_t> bytes(100000, 7);
    return {
        {"a new file", [](const ScratchDir&) {},
         [bytes](RecordingHost& host, const ScratchDir& dir) {
             return host.Report(WriteThrough(host, dir.File("new.lvl"), bytes));
         }},
        {"a replaced file", [](const ScratchDir& dir) { dir.Write("old.lvl", std::string(5000, 'o')); },
         [bytes](RecordingHost& host, const ScratchDir& dir) {
             return host.Report(WriteThrough(host, dir.File("old.lvl"), bytes));
         }},
    };
}

TEST(CrashSafety, EveryWriteOfEveryOperationIsWholeOrAbsent) {
    for (const Writer& writer : Writers()) SweepFaults(writer);
}

TEST(CrashSafety, ARealFailureOfTheRenameLeavesNoTemporaryFile) {
    ScratchDir dir;
    fs::create_directory(dir.File("taken.lvl"));
    dir.Write("taken.lvl/inside", std::string("x"));
    EXPECT_THROW(WriteFileSafely(dir.File("taken.lvl"), std::string("new")), FileError);
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"taken.lvl"});
    EXPECT_EQ(ReadBytes(dir.File("taken.lvl/inside")), std::vector<std::uint8_t>{'x'});
}

}  // namespace
}  // namespace vetra
