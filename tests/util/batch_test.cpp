#include "util/batch.h"

#include <gtest/gtest.h>

#include "util/recordinghost.h"

namespace vetra {
namespace {

TEST(Batch, LogsEachFileAndRejectsWrongNames) {
    RecordingHost host;
    std::vector<std::string> ran;
    BatchJob job;
    job.extension = ".lvl";
    job.routine = [&](const std::string& path) {
        ran.push_back(path);
        return path == "/m/bad.LVL" ? Outcome::Failed() : Outcome::Done({path + ".out"});
    };
    BatchReport report = RunBatch(host, {"/m/a.lvl", "/m/b.bmp", "/m/bad.LVL"}, job);
    EXPECT_EQ(ran, (std::vector<std::string>{"/m/a.lvl", "/m/bad.LVL"}));
    EXPECT_EQ(host.Calls().front().kind, RecordingHost::Kind::ClearText);
    EXPECT_EQ(host.Summary(), (std::vector<std::string>{"(1/3) Processing file: /m/a.lvl",
                                                        "(2/3) Processing file: /m/b.bmp",
                                                        "Error: /m/b.bmp\r\n is not a .lvl file.\r\n",
                                                        "(3/3) Processing file: /m/bad.LVL"}));
    EXPECT_EQ(report.chosen, 3);
    EXPECT_EQ(report.accepted, 2);
    EXPECT_EQ(report.rejected, 1);
    EXPECT_EQ(report.failed, 1);
    EXPECT_FALSE(report.outcome.succeeded);
    EXPECT_EQ(report.outcome.created, std::vector<std::string>{"/m/a.lvl.out"});
}

TEST(Batch, AdmitTestAndStepBeforeEachFile) {
    RecordingHost host;
    int before = 0;
    BatchJob job;
    job.extension = ".bmp";
    job.routine = [](const std::string&) { return Outcome::Done(); };
    job.admit = [](const std::string& path) { return path != "/small.bmp"; };
    job.beforeEach = [&] { ++before; };
    BatchReport report = RunBatch(host, {"/small.bmp", "/big.bmp"}, job, false);
    EXPECT_EQ(before, 1);
    EXPECT_EQ(report.accepted, 1);
    EXPECT_TRUE(host.Summary().empty());
}

}  // namespace
}  // namespace vetra
