#include "cfgset/cfgset.h"

#include <exception>

#include "cfgset/descriptions.h"
#include "cfgset/progress.h"
#include "cfgset/settingsorder.h"
#include "cfgset/settingsreaders.h"
#include "cfgset/settingswriters.h"
#include "util/fileio.h"
#include "util/filenameext.h"

namespace vetra::cfgset {
namespace {

std::string ReplacedExtension(const std::string& path, const std::string& extension) {
    std::string base = path;
    filenameext::SplitExtension(base);
    return filenameext::UniqueFileName(base + extension);
}

// What a procedure does to its file, as the message of its failure says it.
struct Action {
    const char* verb;     // "convert"
    const char* outcome;  // " to a .cfg file", after the file's name
};

// The message names the procedure's file and what went wrong (which names its own file); the summary gets
// the reason alone.
void AddFailure(FileResult& result, const Action& action, const std::string& file, const std::string& reason,
                const std::string& what) {
    result.Add({NoticeKind::Failure, NoticeDisplay::MessageBox, file, reason,
                std::string("Could not ") + action.verb + " " + result.file + action.outcome + ": " + what + "."});
    result.Add({NoticeKind::Failure, NoticeDisplay::Summary, file, reason, what});
    result.Mark(FileStatus::Failed);
}

// Runs one procedure's steps; any error ends it with a message naming the file and the reason, and the
// reason in the summary.
template <class Steps>
FileResult Guarded(Progress& progress, const std::string& path, const Action& action, Steps steps) {
    FileResult result{path};
    try {
        steps(result);
    } catch (const FileError& error) {
        AddFailure(result, action, error.Path(), error.Reason(), error.what());
    } catch (const std::exception& error) {
        AddFailure(result, action, path, error.what(), error.what());
    }
    progress.RestoreTitle();
    return result;
}

SettingsRecords ReadSettingsFile(Progress& progress, FileResult& result, const std::string& path) {
    ShowProgress(progress, "Reading settings file...");
    return ReadSetRecords(progress, result, path);
}

void Describe(Progress& progress, FileResult& result, SettingsRecords& records, const std::string& commentFile,
              CopyMode mode) {
    SettingsRecords comments = ReadCommentRecords(progress, result, commentFile);
    ApplyDescriptions(progress, records, comments, !IsSetCommentFile(commentFile), mode);
}

}  // namespace

FileResult ConvertSetToCfg(Progress& progress, const std::string& path, bool includeDescriptions) {
    return Guarded(progress, path, {"convert", " to a .cfg file"}, [&](FileResult& result) {
        SettingsRecords records = ReadSettingsFile(progress, result, path);
        SortByCategory(progress, records);
        std::string output = ReplacedExtension(path, ".cfg");
        WriteCfgRecords(progress, result, records, output, includeDescriptions);
        result.written.push_back(output);
    });
}

FileResult ConvertCfgToSet(Progress& progress, const std::string& path, const std::string& commentFile,
                           bool includeDescriptions) {
    return Guarded(progress, path, {"convert", " to a .set file"}, [&](FileResult& result) {
        SettingsRecords records = ReadCfgRecords(progress, result, path);
        if (includeDescriptions) Describe(progress, result, records, commentFile, CopyMode::All);
        SortToSetOrder(progress, result, records);
        std::string output = ReplacedExtension(path, ".set");
        WriteSetRecords(progress, result, records, output);
        result.written.push_back(output);
    });
}

FileResult DescribeSet(Progress& progress, const std::string& path, const std::string& commentFile) {
    return Guarded(progress, path, {"describe", ""}, [&](FileResult& result) {
        SettingsRecords records = ReadSettingsFile(progress, result, path);
        Describe(progress, result, records, commentFile, CopyMode::WhatItHas);
        SortToSetOrder(progress, result, records);
        std::string output = DescribeSetOutputName(path);
        WriteSetRecords(progress, result, records, output);
        result.written.push_back(output);
    });
}

std::string DescribeSetOutputName(const std::string& path) {
    std::size_t cut = path.size() < 4 ? 0 : path.size() - 4;
    std::string base = path.substr(0, cut);
    std::string ending = path.substr(cut);
    for (unsigned long long counter = 0;; ++counter) {
        std::string candidate = base + "-" + std::to_string(counter) + ending;
        if (!FileExists(candidate)) return candidate;
    }
}

std::string PickCommentFile(
    const std::function<std::string(const std::string& title, const std::string& filter)>& openDialog) {
    try {
        std::string chosen = openDialog(std::string(kCommentDialogTitle), std::string(kCommentDialogFilter));
        if (filenameext::HasExtension(chosen, ".sss") || filenameext::HasExtension(chosen, ".set"))
            return chosen;
    } catch (const std::exception&) {
        // a dialog that fails counts as cancelled
    }
    return {};
}

}  // namespace vetra::cfgset
