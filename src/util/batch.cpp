#include "util/batch.h"

#include <algorithm>
#include <exception>

#include "util/filenameext.h"
#include "util/host.h"
#include "util/resultreport.h"

namespace vetra {

Notice WrongExtension(const std::string& path, const std::string& extension) {
    std::string reason = "is not a " + extension + " file";
    return {NoticeKind::Refusal, NoticeDisplay::Summary, path, reason, "Error: " + path + "\r\n " + reason + ".\r\n"};
}

namespace {

// An engine operation reports its failures in its result; anything it throws (the memory running out) is
// reported the same way, with the file, and the batch goes on.
FileResult RunRoutine(const BatchJob& job, Progress& progress, const std::string& path) {
    try {
        return job.routine(progress, path);
    } catch (const std::exception& error) {
        FileResult result{path, FileStatus::Failed};
        result.Add({NoticeKind::Failure, NoticeDisplay::MessageBox, path, error.what(),
                    "Could not process " + path + ": " + error.what() + "."});
        return result;
    }
}

}  // namespace

int BatchReport::DoneCount() const {
    return static_cast<int>(
        std::count_if(files.begin(), files.end(), [](const FileResult& file) { return file.Done(); }));
}

std::vector<std::string> BatchReport::Written() const {
    std::vector<std::string> written;
    for (const FileResult& file : files) written.insert(written.end(), file.written.begin(), file.written.end());
    return written;
}

BatchReport RunBatch(Host& host, const std::vector<std::string>& paths, const BatchJob& job, bool progressLines) {
    BatchReport report;
    report.chosen = static_cast<int>(paths.size());
    host.ClearText();
    std::size_t total = paths.size();
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const std::string& path = paths[i];
        if (progressLines)
            host.AddText("(" + std::to_string(i + 1) + "/" + std::to_string(total) + ") Processing file: " + path);
        std::optional<Notice> refusal;
        if (!filenameext::HasExtension(path, job.extension))
            refusal = WrongExtension(path, job.extension);
        else if (job.admit)
            refusal = job.admit(path);
        FileResult result;
        if (refusal) {
            result = RefusedFile(path, std::move(*refusal));
            ++report.rejected;
            if (job.rejectionsLowerTotal) --total;
        } else {
            ++report.accepted;
            result = RunRoutine(job, host, path);
            if (!result.Done()) ++report.failed;
        }
        ReportOutcome(host, result);
        report.files.push_back(std::move(result));
    }
    return report;
}

}  // namespace vetra
