#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "util/fileresult.h"

namespace vetra {

class Host;
class Progress;

// One operation's part of the batch loop: which files it takes and what it runs on each.
struct BatchJob {
    std::string extension;  // compared with the last characters of each path, ignoring case, such as ".lvl"
    // The operation on one accepted file.
    std::function<FileResult(Progress& progress, const std::string& path)> routine;
    // Optional further test of an accepted name (a size, say): the refusal, or nothing to go on.
    std::function<std::optional<Notice>(const std::string& path)> admit;
    // Each rejected file lowers the total that later "(i/n)" lines show (the Convert button counts so).
    bool rejectionsLowerTotal = false;
};

// What a batch did, file by file.
struct BatchReport {
    int chosen = 0;    // files passed in
    int accepted = 0;  // files that reached the routine
    int rejected = 0;  // wrong extension or refused by the admit test
    int failed = 0;    // the routine did not get them done
    std::vector<FileResult> files;  // one per file passed in, in order

    // Every file was done.
    bool AllDone() const { return rejected == 0 && failed == 0; }
    // The files that were done.
    int DoneCount() const;
    // The files the batch created or replaced, in order.
    std::vector<std::string> Written() const;
};

// Runs the batch pattern: clears the summary, then for each path logs "(i/n) Processing file: PATH" (when
// progressLines is set), checks the extension and runs the routine, and reports each file's result as soon as
// it is known (ReportFile); a wrong name gets the "Error: " entry. The caller shows the completion message,
// whose count each operation chooses.
BatchReport RunBatch(Host& host, const std::vector<std::string>& paths, const BatchJob& job,
                     bool progressLines = true);

// The refusal of a file with the wrong extension.
Notice WrongExtension(const std::string& path, const std::string& extension);

}  // namespace vetra
