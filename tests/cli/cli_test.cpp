#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <memory>
#include <string>

namespace {

struct Run {
    int status;
    std::string out;
};

// Runs vetra-cli with the arguments; stderr is folded into the captured text.
Run RunCli(const std::string& arguments) {
    std::string command = std::string(VETRA_CLI_PATH) + " " + arguments + " 2>&1";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string out;
    std::array<char, 4096> buffer;
    while (std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe.get())) out.append(buffer.data(), n);
    int status = pclose(pipe.release());
    return {WEXITSTATUS(status), out};
}

TEST(Cli, VersionAndUsage) {
    EXPECT_EQ(RunCli("--version").out, "VETRA-0.9.0\n");
    EXPECT_EQ(RunCli("--version").status, 0);
    EXPECT_EQ(RunCli("--help").status, 0);
    EXPECT_EQ(RunCli("").status, 2);
    EXPECT_EQ(RunCli("no-such-command").status, 2);
}

}  // namespace
