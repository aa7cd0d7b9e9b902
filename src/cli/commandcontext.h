#pragma once

#include <string>
#include <vector>

#include "cli/consolehost.h"
#include "util/batch.h"
#include "util/batchoperation.h"
#include "util/outcome.h"

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

    // Reports the created files of an outcome and folds its success into the exit status.
    void Finish(const Outcome& outcome);
    // Runs a batch over the files, shows the completion message (completion text, a blank line, the count and
    // the count word), reports the created files, and sets the exit status.
    void RunBatchCommand(const std::vector<std::string>& files, const BatchJob& job, const std::string& completion,
                         const std::string& countWord, bool countAcceptedOnly = false);
    // The same for an operation described once for both front ends.
    void RunOperation(const std::vector<std::string>& files, const BatchOperation& operation);
    // A usage error found after parsing (a missing option value, say): message and exit status 2.
    void UsageError(const std::string& text);
};

}  // namespace vetra::cli
