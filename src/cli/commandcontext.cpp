#include "cli/commandcontext.h"

namespace vetra::cli {

void CommandContext::Finish(const Outcome& outcome) {
    for (const std::string& path : outcome.created) host.ReportCreated(path);
    if (!outcome.succeeded && exitCode == kExitSuccess) exitCode = kExitFailure;
}

void CommandContext::RunBatchCommand(const std::vector<std::string>& files, const BatchJob& job,
                                     const std::string& completion, const std::string& countWord,
                                     bool countAcceptedOnly) {
    BatchReport report = RunBatch(host, files, job, verbose);
    int count = countAcceptedOnly ? report.accepted : report.chosen;
    host.MessageBox(completion + "\r\n\r\n" + std::to_string(count) + countWord);
    Finish(report.outcome);
}

void CommandContext::RunOperation(const std::vector<std::string>& files, const BatchOperation& operation) {
    BatchReport report = RunBatch(host, files, operation.job, verbose);
    if (!operation.completion.empty()) host.MessageBox(operation.CompletionText(report));
    Finish(report.outcome);
}

void CommandContext::UsageError(const std::string& text) {
    host.MessageBox(text);
    exitCode = kExitUsage;
}

}  // namespace vetra::cli
