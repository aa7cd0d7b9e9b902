#include <gtest/gtest.h>

#include <string>

#include "cli/clirun.h"
#include "support/scratchdir.h"

namespace {

using vetra::test::CliRun;
using vetra::test::RunCli;
using vetra::test::ScratchDir;

std::string Text(const std::string& path) {
    std::vector<std::uint8_t> bytes = vetra::test::ReadBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

TEST(SettingsCommands, ConvertBothWaysAndDescribe) {
    ScratchDir dir;
    std::string cfg = dir.Write("server.cfg", "[Misc]\nX=1\n");
    std::string sss = dir.Write("t.sss", "Misc:X:0:9:the x\n");

    CliRun run = RunCli({"cfg2set", "--descriptions", sss, cfg});
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("Created: " + dir.File("server.set")), std::string::npos) << run.output;
    EXPECT_EQ(Text(dir.File("server.set")), "Misc:X:1:0:9:the x\r\n");

    run = RunCli({"set2cfg", "--descriptions", dir.File("server.set")});
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(Text(dir.File("server-0.cfg")), "\r\n[Misc]\r\nX=1\r\n;0:9:the x\r\n");

    run = RunCli({"describe", "--comments", dir.Write("u.sss", "Misc:X:::new\n"), dir.File("server.set")});
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(Text(dir.File("server-0.set")), "Misc:X:1:0:9:new\r\n");
    EXPECT_NE(run.output.find("1 processed."), std::string::npos) << run.output;
}

TEST(SettingsCommands, FailuresAndUsage) {
    ScratchDir dir;
    std::string cfg = dir.Write("server.cfg", "[Misc]\nX=1\n");
    CliRun run = RunCli({"cfg2set", dir.File("missing.cfg"), dir.Write("a.txt", "x")});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find("vetra: Could not convert " + dir.File("missing.cfg") + " to a .set file: "),
              std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find(" is not a .cfg file."), std::string::npos) << run.output;

    EXPECT_EQ(RunCli({"cfg2set", "--descriptions", dir.Write("notes.txt", "x"), cfg}).status, 2);
    EXPECT_EQ(RunCli({"cfg2set", "--descriptions", dir.File("none.sss"), cfg}).status, 2);
    EXPECT_EQ(RunCli({"describe", cfg}).status, 2);
    EXPECT_EQ(RunCli({"set2cfg"}).status, 2);
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"a.txt", "notes.txt", "server.cfg"}));
}

}  // namespace
