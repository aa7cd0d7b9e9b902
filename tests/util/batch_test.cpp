#include "util/batch.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "support/recordinghost.h"

namespace vetra {
namespace {

FileResult Written(const std::string& path) { return {path, FileStatus::Done, {path + ".out"}, {}}; }

TEST(Batch, LogsEachFileRejectsWrongNamesAndReportsEachResult) {
    RecordingHost host;
    std::vector<std::string> ran;
    BatchJob job{.extension = ".lvl", .routine = [&](Progress&, const std::string& path) {
                     ran.push_back(path);
                     if (path != "/m/bad.LVL") return Written(path);
                     FileResult result{path};
                     result.Problem(NoticeKind::Refusal, path, "is bad");
                     return result.Stopped();
                 }};
    BatchReport report = RunBatch(host, {"/m/a.lvl", "/m/b.bmp", "/m/bad.LVL"}, job);
    EXPECT_EQ(ran, (std::vector<std::string>{"/m/a.lvl", "/m/bad.LVL"}));
    EXPECT_EQ(host.Calls().front().kind, RecordingHost::Kind::ClearText);
    EXPECT_EQ(
        host.Summary(),
        (std::vector<std::string>{
            "(1/3) Processing file: /m/a.lvl", "Created: /m/a.lvl.out", "(2/3) Processing file: /m/b.bmp",
            "Error: /m/b.bmp\r\n is not a .lvl file.\r\n", "(3/3) Processing file: /m/bad.LVL",
            "-=-=-=-=-=-=-=-=-\r\n/m/bad.LVL is bad.\r\n-=-=-=-=-=-=-=-=-"}));
    EXPECT_EQ(report.chosen, 3);
    EXPECT_EQ(report.accepted, 2);
    EXPECT_EQ(report.rejected, 1);
    EXPECT_EQ(report.failed, 1);
    EXPECT_FALSE(report.AllDone());
    EXPECT_EQ(report.Written(), std::vector<std::string>{"/m/a.lvl.out"});
    ASSERT_EQ(report.files.size(), 3u);
    EXPECT_EQ(report.files[1].status, FileStatus::Refused);
    EXPECT_EQ(report.files[1].notices.at(0).reason, "is not a .lvl file");
    EXPECT_EQ(report.files[2].status, FileStatus::Refused);
}

TEST(Batch, AdmitTestRefusesBeforeTheRoutine) {
    RecordingHost host;
    BatchJob job{.extension = ".bmp",
                 .routine = [](Progress&, const std::string& path) { return Written(path); },
                 .admit = [](const std::string& path) -> std::optional<Notice> {
                     if (path != "/small.bmp") return std::nullopt;
                     return Notice{NoticeKind::Refusal, NoticeDisplay::Summary, path, "is small", "small"};
                 }};
    BatchReport report = RunBatch(host, {"/small.bmp", "/big.bmp"}, job, false);
    EXPECT_EQ(report.accepted, 1);
    EXPECT_EQ(report.rejected, 1);
    EXPECT_EQ(host.Summary(), (std::vector<std::string>{"small", "Created: /big.bmp.out"}));
}

// An engine that throws is reported with the file, and the batch goes on.
TEST(Batch, AThrowingRoutineFailsItsFileOnly) {
    RecordingHost host;
    BatchJob job{.extension = ".lvl", .routine = [](Progress&, const std::string& path) {
                     if (path == "/a.lvl") throw std::runtime_error("out of memory");
                     return Written(path);
                 }};
    BatchReport report = RunBatch(host, {"/a.lvl", "/b.lvl"}, job, false);
    EXPECT_EQ(report.failed, 1);
    EXPECT_EQ(report.Written(), std::vector<std::string>{"/b.lvl.out"});
    EXPECT_EQ(host.Messages(), std::vector<std::string>{"Could not process /a.lvl: out of memory."});
}

TEST(FileResult, FailureMessagesNameTheFileAndTheFirstReason) {
    FileResult own{"/l.lvl"};
    own.Problem(NoticeKind::Refusal, "/l.lvl", "is not a level");
    own.Fail(FileStatus::Refused, "apply the tileset to");
    EXPECT_EQ(own.notices.back().text, "Could not apply the tileset to /l.lvl: it is not a level.");
    EXPECT_EQ(own.status, FileStatus::Refused);

    FileResult other{"/l.lvl"};
    other.Problem(NoticeKind::ReadError, "/t.bmp", "could not be read");
    other.Fail(FileStatus::Failed, "apply the tileset to");
    EXPECT_EQ(other.notices.back().text, "Could not apply the tileset to /l.lvl: /t.bmp could not be read.");

    FileResult none{"/l.lvl"};
    none.Fail(FileStatus::Failed, "convert");
    EXPECT_EQ(none.notices.back().text, "Could not convert /l.lvl.");
}

}  // namespace
}  // namespace vetra
