#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <memory>
#include <string>

#include "support/scratchdir.h"

namespace {

using vetra::test::ScratchDir;

struct CliRun {
    int status;
    std::string out;
};

CliRun RunCli(const std::string& arguments) {
    std::string command = std::string(VETRA_CLI_PATH) + " " + arguments + " 2>&1";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string out;
    std::array<char, 4096> buffer;
    while (std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe.get())) out.append(buffer.data(), n);
    int status = pclose(pipe.release());
    return {WEXITSTATUS(status), out};
}

std::string Quoted(const std::string& path) { return "'" + path + "'"; }

std::string Text(const std::string& path) {
    std::vector<std::uint8_t> bytes = vetra::test::ReadBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

TEST(SettingsCommands, ConvertBothWaysAndDescribe) {
    ScratchDir dir;
    std::string cfg = dir.Write("server.cfg", "[Misc]\nX=1\n");
    std::string sss = dir.Write("t.sss", "Misc:X:0:9:the x\n");

    CliRun run = RunCli("cfg2set --descriptions " + Quoted(sss) + " " + Quoted(cfg));
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_NE(run.out.find("Created: " + dir.File("server.set")), std::string::npos) << run.out;
    EXPECT_EQ(Text(dir.File("server.set")), "Misc:X:1:0:9:the x\r\n");

    run = RunCli("set2cfg --descriptions " + Quoted(dir.File("server.set")));
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(Text(dir.File("server-0.cfg")), "\r\n[Misc]\r\nX=1\r\n;0:9:the x\r\n");

    run = RunCli("describe --comments " + Quoted(dir.Write("u.sss", "Misc:X:::new\n")) + " " +
                 Quoted(dir.File("server.set")));
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(Text(dir.File("server-0.set")), "Misc:X:1:0:9:new\r\n");
    EXPECT_NE(run.out.find("1 processed."), std::string::npos) << run.out;
}

TEST(SettingsCommands, FailuresAndUsage) {
    ScratchDir dir;
    std::string cfg = dir.Write("server.cfg", "[Misc]\nX=1\n");
    CliRun run = RunCli("cfg2set " + Quoted(dir.File("missing.cfg")) + " " + Quoted(dir.Write("a.txt", "x")));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("vetra: Could not convert " + dir.File("missing.cfg") + " to a .set file: "), std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find(" is not a .cfg file."), std::string::npos) << run.out;

    EXPECT_EQ(RunCli("cfg2set --descriptions " + Quoted(dir.Write("notes.txt", "x")) + " " + Quoted(cfg)).status, 2);
    EXPECT_EQ(RunCli("cfg2set --descriptions " + Quoted(dir.File("none.sss")) + " " + Quoted(cfg)).status, 2);
    EXPECT_EQ(RunCli("describe " + Quoted(cfg)).status, 2);
    EXPECT_EQ(RunCli("set2cfg").status, 2);
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"a.txt", "notes.txt", "server.cfg"}));
}

}  // namespace
