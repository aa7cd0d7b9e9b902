#include "cfgset/cfgset.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "cfgset/settingsoperations.h"
#include "support/scratchdir.h"
#include "util/batch.h"
#include "support/recordinghost.h"
#include "util/writefaults.h"

namespace vetra::cfgset {
namespace {

using test::ScratchDir;

std::string Text(const std::string& path) {
    std::vector<std::uint8_t> bytes = test::ReadBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

std::vector<std::string> Lines(const std::string& path) {
    std::vector<std::string> lines;
    std::string text = Text(path);
    for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

class CfgSetProcedures : public ::testing::Test {
protected:
    ScratchDir dir;
    RecordingHost host;
};

TEST_F(CfgSetProcedures, SetToCfgGroupsSections) {
    std::string set = dir.Write("server.set", "Misc:A:1:0:1:a\r\nBullet:B:2:0:2:b\r\nMisc:C:3:*\r\n");
    FileResult outcome = host.Report(ConvertSetToCfg(host, set, false));
    ASSERT_TRUE(outcome.Done());
    EXPECT_EQ(outcome.written, std::vector<std::string>{dir.File("server.cfg")});
    EXPECT_EQ(Text(dir.File("server.cfg")), "\r\n[Bullet]\r\nB=2\r\n\r\n[Misc]\r\nA=1\r\nC=3\r\n");
    EXPECT_EQ(host.Titles().front(), "Reading settings file...");
    EXPECT_EQ(host.Calls().back().kind, RecordingHost::Kind::RestoreTitle);

    ASSERT_TRUE(host.Report(ConvertSetToCfg(host, set, true)).Done());
    EXPECT_EQ(Text(dir.File("server-0.cfg")), "\r\n[Bullet]\r\nB=2\r\n;0:2:b\r\n\r\n[Misc]\r\nA=1\r\n;0:1:a\r\nC=3\r\n;0:2:b\r\n");  // "*" follows the line before it
}

TEST_F(CfgSetProcedures, CfgToSetInSetOrder) {
    std::string cfg = dir.Write("server.cfg",
                                "[Warbird]\r\nBombSpeed=1\r\nArmor=2\r\n[javelin]\r\nBombSpeed=3\r\nArmor=4\r\n"
                                "[Misc]\r\nX=5\r\n[Bullet]\r\nY=6\r\n");
    dir.Write("server.set", "taken");
    FileResult outcome = host.Report(ConvertCfgToSet(host, cfg, "", false));
    ASSERT_TRUE(outcome.Done());
    EXPECT_EQ(outcome.written, std::vector<std::string>{dir.File("server-0.set")});
    EXPECT_EQ(Lines(dir.File("server-0.set")),
              (std::vector<std::string>{"Bullet:Y:6:::", "Misc:X:5:::", "Warbird:Armor:2:::", "Javelin:Armor:4:::",
                                        "Warbird:BombSpeed:1:::", "Javelin:BombSpeed:3:::"}));
    EXPECT_EQ(Text(dir.File("server.set")), "taken");
}

TEST_F(CfgSetProcedures, CfgToSetWithTemplate) {
    std::string cfg = dir.Write("z.cfg", "[Shark]\nArmor=1\n[Misc]\nX=5\nY=6\n");
    std::string comments = dir.Write("t.sss", "All:Armor:0:9:armor\nMisc:X:1:2:x\n");
    ASSERT_TRUE(host.Report(ConvertCfgToSet(host, cfg, comments, true)).Done());
    EXPECT_EQ(Lines(dir.File("z.set")), (std::vector<std::string>{"Misc:X:5:1:2:x", "Misc:Y:6:::", "Shark:Armor:1:0:9:armor"}));
}

TEST_F(CfgSetProcedures, DescribeSetKeepsWhatTheTemplateLeavesEmpty) {
    std::string set = dir.Write("server.set", "Misc:X:5:1:2:old\r\nMisc:Y:6:3:4:keep\r\nWarbird:Armor:1:0:9:a\r\n");
    std::string comments = dir.Write("t.sss", "Misc:X:::new x\r\nWarbird:Armor:5:5:not a ship entry\r\n");
    FileResult outcome = host.Report(DescribeSet(host, set, comments));
    ASSERT_TRUE(outcome.Done());
    EXPECT_EQ(outcome.written, std::vector<std::string>{dir.File("server-0.set")});
    EXPECT_EQ(Lines(dir.File("server-0.set")),
              (std::vector<std::string>{"Misc:X:5:1:2:new x", "Misc:Y:6:3:4:keep", "Warbird:Armor:1:0:9:a"}));
    EXPECT_EQ(Text(set), "Misc:X:5:1:2:old\r\nMisc:Y:6:3:4:keep\r\nWarbird:Armor:1:0:9:a\r\n");
}

TEST_F(CfgSetProcedures, DescribeSetWithAnotherSet) {
    std::string set = dir.Write("a.set", "Warbird:Armor:1:::\r\nJavelin:Armor:2:::\r\n");
    std::string comments = dir.Write("b.set", "Javelin:Armor:7:0:9:jav armor\r\nAll:Armor:0:0:1:all\r\n");
    ASSERT_TRUE(host.Report(DescribeSet(host, set, comments)).Done());
    EXPECT_EQ(Lines(dir.File("a-0.set")), (std::vector<std::string>{"Warbird:Armor:1:::", "Javelin:Armor:2:0:9:jav armor"}));
}

TEST_F(CfgSetProcedures, DescribeSetOutputNames) {
    EXPECT_EQ(DescribeSetOutputName(dir.File("server.set")), dir.File("server-0.set"));
    dir.Write("server-0.set", "x");
    EXPECT_EQ(DescribeSetOutputName(dir.File("server.set")), dir.File("server-1.set"));
    EXPECT_EQ(DescribeSetOutputName(dir.File("server-3.set")), dir.File("server-3-0.set"));
    EXPECT_EQ(DescribeSetOutputName("set"), "-0set");
}

TEST_F(CfgSetProcedures, ErrorsNameTheProcedureAndLeaveNoOutput) {
    std::string starFirst = dir.Write("star.set", "Misc:A:1:*\r\n");
    std::string good = dir.Write("good.set", "Misc:A:1:::\r\n");
    std::string cfg = dir.Write("good.cfg", "[A]\r\nx=1\r\n");
    struct Case {
        std::function<FileResult()> run;
        std::string message;
    };
    const std::string star = starFirst + ": line 1: \"*\" on the first record.";
    const Case cases[] = {
        {[&] { return host.Report(ConvertSetToCfg(host, starFirst, false)); },
         "Could not convert " + starFirst + " to a .cfg file: " + star},
        {[&] { return host.Report(ConvertSetToCfg(host, dir.File("missing.set"), false)); },
         "Could not convert " + dir.File("missing.set") + " to a .cfg file: " + dir.File("missing.set") +
             ": does not exist."},
        {[&] { return host.Report(ConvertCfgToSet(host, dir.File("missing.cfg"), "", false)); },
         "Could not convert " + dir.File("missing.cfg") + " to a .set file: " + dir.File("missing.cfg") +
             ": does not exist."},
        {[&] { return host.Report(ConvertCfgToSet(host, cfg, dir.File("missing.sss"), true)); },
         "Could not convert " + cfg + " to a .set file: " + dir.File("missing.sss") + ": does not exist."},
        {[&] { return host.Report(DescribeSet(host, good, starFirst)); },
         "Could not describe " + good + ": " + star},
        {[&] { return host.Report(DescribeSet(host, starFirst, good)); },
         "Could not describe " + starFirst + ": " + star},
    };
    const std::vector<std::string> before = dir.Names();
    for (const Case& c : cases) {
        host.Forget();
        FileResult outcome = c.run();
        EXPECT_FALSE(outcome.Done());
        EXPECT_TRUE(outcome.written.empty());
        EXPECT_EQ(host.Messages(), std::vector<std::string>{c.message});
        EXPECT_EQ(host.Summary().size(), 1u);  // the reason
        EXPECT_EQ(host.Calls().back().kind, RecordingHost::Kind::AddText);
    }
    EXPECT_EQ(dir.Names(), before);
}

class FailRename : public WriteFaults {
public:
    bool ShouldFail(WriteStep step) override { return step == WriteStep::Rename; }
};

TEST_F(CfgSetProcedures, FailedWriteLeavesNoOutput) {
    FailRename faults;
    host.SetFaults(&faults);
    std::string cfg = dir.Write("good.cfg", "[A]\r\nx=1\r\n");
    EXPECT_FALSE(host.Report(ConvertCfgToSet(host, cfg, "", false)).Done());
    EXPECT_EQ(host.Messages(), std::vector<std::string>{"Could not convert " + cfg + " to a .set file: " +
                                                        dir.File("good.set") +
                                                        ": could not be replaced (Input/output error)."});
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"good.cfg"});
}

TEST(PickCommentFile, KeepsOnlyTemplatesAndSets) {
    struct Case {
        std::string answer;
        std::string kept;
    };
    const Case cases[] = {{"", ""}, {"/s/a.sss", "/s/a.sss"}, {"/s/A.SET", "/s/A.SET"}, {"/s/a.txt", ""}, {"sss", ""}};
    for (const Case& c : cases) {
        std::string title, filter;
        std::string kept = PickCommentFile([&](const std::string& t, const std::string& f) {
            title = t;
            filter = f;
            return c.answer;
        });
        EXPECT_EQ(kept, c.kept) << c.answer;
        EXPECT_EQ(title, "Comment file to open:");
        EXPECT_EQ(filter, "Subspace settings template (*.sss)|*.sss|Subspace server settings (*.set)|*.set");
    }
    EXPECT_EQ(PickCommentFile([](const std::string&, const std::string&) -> std::string {
                  throw std::runtime_error("dialog failed");
              }),
              "");
}

TEST_F(CfgSetProcedures, OperationsRunTheirBatch) {
    std::string cfg = dir.Write("a.cfg", "[A]\r\nx=1\r\n");
    std::string comments = dir.Write("t.sss", "A:x:0:1:described\r\n");
    BatchOperation cfg2set = CfgToSetOperation(comments, true);
    EXPECT_EQ(cfg2set.dialogTitle, "File(s) to process (.cfg):");
    EXPECT_EQ(cfg2set.filter, "Server config files (*.cfg)|*.cfg");
    BatchReport report = RunBatch(host, {cfg, dir.File("b.txt")}, cfg2set.job);
    EXPECT_EQ(cfg2set.CompletionText(report),
              "Processing complete.\r\n\r\n1 processed.\r\n1 could not be processed.");
    EXPECT_EQ(host.Summary()[1], "Created: " + dir.File("a.set"));
    EXPECT_EQ(host.Summary()[3], "Error: " + dir.File("b.txt") + "\r\n is not a .cfg file.\r\n");
    EXPECT_EQ(Lines(dir.File("a.set")), std::vector<std::string>{"A:x:1:0:1:described"});

    BatchOperation set2cfg = SetToCfgOperation(true);
    EXPECT_EQ(set2cfg.dialogTitle, "File(s) to process (.set):");
    EXPECT_EQ(set2cfg.filter, "Server settings (*.set)|*.set");
    RunBatch(host, {dir.File("a.set")}, set2cfg.job);
    EXPECT_EQ(Text(dir.File("a-0.cfg")), "\r\n[A]\r\nx=1\r\n;0:1:described\r\n");

    BatchOperation describe = DescribeSetOperation(comments);
    EXPECT_EQ(describe.filter, "Subspace server settings (*.set)|*.set");
    report = RunBatch(host, {dir.File("a.set")}, describe.job);
    EXPECT_EQ(report.Written(), std::vector<std::string>{dir.File("a-0.set")});
}

}  // namespace
}  // namespace vetra::cfgset
