#include "util/fileresult.h"

namespace vetra {

const Notice* FileResult::FirstProblem() const {
    for (const Notice& notice : notices)
        if (notice.kind != NoticeKind::Note && !notice.reason.empty()) return &notice;
    return nullptr;
}

FileStatus FileResult::StatusOfProblems() const {
    const Notice* problem = FirstProblem();
    return problem != nullptr && problem->kind == NoticeKind::Refusal ? FileStatus::Refused : FileStatus::Failed;
}

void FileResult::Fail(FileStatus worse, const std::string& action) {
    Mark(worse);
    const Notice* problem = FirstProblem();
    std::string text = "Could not " + action + " " + file;
    std::string reason = problem != nullptr ? problem->reason : "";
    if (problem != nullptr) text += ": " + (problem->file == file ? std::string("it") : problem->file) + " " + reason;
    Add({NoticeKind::Failure, NoticeDisplay::MessageBox, file, reason, text + "."});
}

FileResult RefusedFile(const std::string& path, Notice notice) {
    FileResult result{path, FileStatus::Refused, {}, {}};
    result.Add(std::move(notice));
    return result;
}

}  // namespace vetra
