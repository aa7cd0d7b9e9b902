#include <gtest/gtest.h>

#include <string>

#include "cli/clirun.h"

namespace {

using vetra::test::RunCli;

TEST(Cli, VersionAndUsage) {
    EXPECT_EQ(RunCli({"--version"}).output, "VETRA-0.9.0\n");
    EXPECT_EQ(RunCli({"--version"}).status, 0);
    EXPECT_EQ(RunCli({"--help"}).status, 0);
    EXPECT_EQ(RunCli({}).status, 2);
    EXPECT_EQ(RunCli({"no-such-command"}).status, 2);
}

}  // namespace
