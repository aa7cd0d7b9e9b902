#include "cli/commandcontext.h"

#include "util/resultreport.h"

namespace vetra::cli {

void CommandContext::Finish(const FileResult& result) {
    ReportOutcome(host, result);
    if (!result.Done()) Failed();
}

void CommandContext::RunOperation(const std::vector<std::string>& files, const BatchOperation& operation) {
    BatchReport report = RunBatch(host, files, operation.job, verbose);
    if (!operation.completion.empty()) host.MessageBox(operation.CompletionText(report));
    if (!report.AllDone()) Failed();
}

void CommandContext::Failed() {
    if (exitCode == kExitSuccess) exitCode = kExitFailure;
}

void CommandContext::UsageError(const std::string& text) {
    host.MessageBox(text);
    exitCode = kExitUsage;
}

}  // namespace vetra::cli
