#pragma once

#include <string>
#include <vector>

namespace vetra::test {

// The folder of real files from public servers, or "" where this checkout has none.
std::string RealDataDir();

// The real files whose names end with the extension (ignoring case), sorted; empty where there are none.
std::vector<std::string> RealDataFiles(const std::string& extension);

}  // namespace vetra::test

// Skips the current test where the real files are absent.
#define VETRA_REQUIRE_REALDATA()                                                         \
    do {                                                                                 \
        if (::vetra::test::RealDataDir().empty()) GTEST_SKIP() << "no real data folder"; \
    } while (0)
