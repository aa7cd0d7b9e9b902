#include "support/fuzzcheck.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace vetra::fuzz {

void Require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

FuzzFile::FuzzFile(const std::string& name, std::span<const std::uint8_t> bytes)
    : path(dir.Write(name, std::vector<std::uint8_t>(bytes.begin(), bytes.end()))) {}

void RequireOnlyFiles(const test::ScratchDir& dir, std::vector<std::string> names,
                      const std::vector<std::string>& created) {
    for (const std::string& path : created) names.push_back(std::filesystem::path(path).filename().string());
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    Require(dir.Names() == names, "the folder holds a file no outcome reported (a temporary file left behind?)");
}

void RequireUnchanged(const std::string& path, std::span<const std::uint8_t> bytes) {
    std::vector<std::uint8_t> now = test::ReadBytes(path);
    Require(std::equal(now.begin(), now.end(), bytes.begin(), bytes.end()), "an input file was changed");
}

}  // namespace vetra::fuzz
