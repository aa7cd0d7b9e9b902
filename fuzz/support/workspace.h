#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "support/scratchdir.h"
#include "util/fileresult.h"

namespace vetra::fuzz {

// A fresh folder holding the input files of one run, with TEMP and TMP pointing at an empty folder of the
// process. Check() aborts when the run broke the engine's promises about files.
class Workspace {
public:
    using File = std::pair<std::string, std::span<const std::uint8_t>>;
    explicit Workspace(const std::vector<File>& files);

    std::string Path(const std::string& name) const { return dir_.File(name); }

    // After a run: each input is as it was, or (for a name in replaceable) reported as created; every other file
    // in the folder was reported as created and exists; a failed run created nothing; no temporary file remains.
    void Check(const FileResult& outcome, const std::vector<std::string>& replaceable = {}) const;

private:
    test::ScratchDir dir_;
    std::vector<std::pair<std::string, std::vector<std::uint8_t>>> inputs_;
};

}  // namespace vetra::fuzz
