#pragma once

#include <string>
#include <vector>

#include "cli/consolehost.h"
#include "util/batchoperation.h"
#include "util/fileresult.h"

namespace vetra::cli {

// Exit statuses of vetra-cli.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// What every command shares: the console host, the global flags, and the status the run ends with.
struct CommandContext {
    ConsoleHost& host;
    bool verbose = false;
    int exitCode = kExitSuccess;

    // Reports one operation's result (its notices, then a "Created:" line per file written) and folds its
    // success into the exit status.
    void Finish(const FileResult& result);
    // Runs a batch over the files, shows the completion message (completion text, a blank line, the count and
    // the count word), reports the created files, and sets the exit status.
    void RunOperation(const std::vector<std::string>& files, const BatchOperation& operation);
    // A file could not be done: the exit status says so.
    void Failed();
    // A usage error found after parsing (a missing option value, say): message and exit status 2.
    void UsageError(const std::string& text);
};

}  // namespace vetra::cli
