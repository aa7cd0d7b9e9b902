#include "util/batch.h"

#include "util/filenameext.h"
#include "util/host.h"

namespace vetra {

std::string WrongExtensionText(const std::string& path, const std::string& extension) {
    return "Error: " + path + "\r\n is not a " + extension + " file.\r\n";
}

BatchReport RunBatch(Host& host, const std::vector<std::string>& paths, const BatchJob& job,
                     bool progressLines) {
    BatchReport report;
    report.chosen = static_cast<int>(paths.size());
    report.outcome.succeeded = true;
    host.ClearText();
    std::size_t total = paths.size();
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const std::string& path = paths[i];
        if (progressLines)
            host.AddText("(" + std::to_string(i + 1) + "/" + std::to_string(total) +
                         ") Processing file: " + path);
        if (!FileNameExt::HasExtension(path, job.extension)) {
            host.AddText(WrongExtensionText(path, job.extension));
            ++report.rejected;
            if (job.rejectionsLowerTotal) --total;
            continue;
        }
        if (job.admit && !job.admit(path)) {
            ++report.rejected;
            if (job.rejectionsLowerTotal) --total;
            continue;
        }
        if (job.beforeEach) job.beforeEach();
        ++report.accepted;
        Outcome one = job.routine(path);
        if (!one.succeeded) ++report.failed;
        report.outcome.created.insert(report.outcome.created.end(), one.created.begin(), one.created.end());
    }
    report.outcome.succeeded = report.rejected == 0 && report.failed == 0;
    return report;
}

}  // namespace vetra
