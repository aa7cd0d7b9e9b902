#include "support/workspace.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "support/fuzzcheck.h"

namespace vetra::fuzz {
namespace fs = std::filesystem;

namespace {

// One temporary folder for the whole process, set as TEMP and TMP (which the engine reads) before the first
// run; TMPDIR keeps the scratch folders out of it.
const std::string& TempFolder() {
    static const test::ScratchDir temp;
    static const bool set = [] {
        ::setenv("TMPDIR", fs::temp_directory_path().c_str(), 0);
        for (const char* name : {"TEMP", "TMP"}) ::setenv(name, temp.Path().c_str(), 1);
        return true;
    }();
    (void)set;
    return temp.Path();
}

bool Contains(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

Workspace::Workspace(const std::vector<File>& files) {
    TempFolder();
    for (const auto& [name, bytes] : files) {
        std::vector<std::uint8_t> copy(bytes.begin(), bytes.end());
        dir_.Write(name, copy);
        inputs_.emplace_back(name, std::move(copy));
    }
}

void Workspace::Check(const FileResult& outcome, const std::vector<std::string>& replaceable) const {
    std::vector<std::string> created;
    for (const std::string& path : outcome.written) {
        Require(fs::is_regular_file(path), "a file reported as created is not there");
        created.push_back(fs::path(path).filename().string());
    }
    Require(outcome.Done() || created.empty(), "a failed run reported files as created");
    for (const auto& [name, bytes] : inputs_) {
        bool replaced = Contains(replaceable, name) && Contains(created, name);
        if (!replaced) RequireUnchanged(dir_.File(name), bytes);
    }
    std::vector<std::string> names;
    for (const auto& [name, bytes] : inputs_) names.push_back(name);
    RequireOnlyFiles(dir_, names, outcome.written);
    Require(fs::is_empty(TempFolder()), "a temporary file was left in TEMP");
}

}  // namespace vetra::fuzz
