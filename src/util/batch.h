#pragma once

#include <functional>
#include <string>
#include <vector>

#include "util/outcome.h"

namespace vetra {

class Host;

// One operation's part of the batch loop: which files it takes and what it runs on each.
struct BatchJob {
    std::string extension;  // compared with the last characters of each path, ignoring case, such as ".lvl"
    // The routine for one accepted file.
    std::function<Outcome(const std::string& path)> routine;
    // Optional further test of an accepted name (a size, say); it reports its own refusal and returns false.
    std::function<bool(const std::string& path)> admit;
    // Optional step before each accepted file (emptying the WallTile set, say).
    std::function<void()> beforeEach;
    // Each rejected file lowers the total that later "(i/n)" lines show (the Convert button counts so).
    bool rejectionsLowerTotal = false;
};

// What a batch did.
struct BatchReport {
    int chosen = 0;    // files passed in
    int accepted = 0;  // files that reached the routine
    int rejected = 0;  // wrong extension or refused by the admit test
    int failed = 0;    // routine reported failure
    Outcome outcome;   // created files of all routines; succeeded when nothing was rejected or failed
};

// Runs the batch pattern: clears the summary, then for each path logs "(i/n) Processing file: PATH" (when
// progressLines is set), checks the extension and runs the routine; a wrong name gets the "Error: " entry.
// The caller shows the completion message, whose count each operation chooses.
BatchReport RunBatch(Host& host, const std::vector<std::string>& paths, const BatchJob& job,
                     bool progressLines = true);

// The summary entry for a file with the wrong extension.
std::string WrongExtensionText(const std::string& path, const std::string& extension);

}  // namespace vetra
