#include "cfgset/cfgset.h"

#include <exception>

#include "cfgset/descriptions.h"
#include "cfgset/progress.h"
#include "cfgset/settingsorder.h"
#include "cfgset/settingsreaders.h"
#include "cfgset/settingswriters.h"
#include "util/fileio.h"
#include "util/filenameext.h"

namespace vetra::CfgSet {
namespace {

std::string ReplacedExtension(const std::string& path, const std::string& extension) {
    std::string base = path;
    FileNameExt::SplitExtension(base);
    return FileNameExt::UniqueFileName(base + extension);
}

// Runs one procedure's steps; any error ends it with the procedure's message.
template <class Steps>
Outcome Guarded(Host& host, const char* name, Steps steps) {
    try {
        Outcome outcome = steps();
        host.RestoreTitle();
        return outcome;
    } catch (const std::exception& error) {
        host.MessageBox(std::string("Error in CfgSet.") + name);
        host.AddText(error.what());
        host.RestoreTitle();
        return Outcome::Failed();
    }
}

SettingsRecords ReadSettingsFile(Host& host, const std::string& path) {
    ShowProgress(host, "Reading settings file...");
    return ReadSetRecords(host, path);
}

void Describe(Host& host, SettingsRecords& records, const std::string& commentFile, CopyMode mode) {
    SettingsRecords comments = ReadCommentRecords(host, commentFile);
    ApplyDescriptions(host, records, comments, !IsSetCommentFile(commentFile), mode);
}

}  // namespace

Outcome Set2Cfg(Host& host, const std::string& path, bool includeDescriptions) {
    return Guarded(host, "Set2Cfg", [&] {
        SettingsRecords records = ReadSettingsFile(host, path);
        SortByCategory(host, records);
        std::string output = ReplacedExtension(path, ".cfg");
        WriteCfgRecords(host, records, output, includeDescriptions);
        return Outcome::Done({output});
    });
}

Outcome Cfg2Set(Host& host, const std::string& path, const std::string& commentFile, bool includeDescriptions) {
    return Guarded(host, "Cfg2Set", [&] {
        SettingsRecords records = ReadCfgRecords(host, path);
        if (includeDescriptions) Describe(host, records, commentFile, CopyMode::All);
        SortToSetOrder(host, records);
        std::string output = ReplacedExtension(path, ".set");
        WriteSetRecords(host, records, output);
        return Outcome::Done({output});
    });
}

Outcome DescSet(Host& host, const std::string& path, const std::string& commentFile) {
    return Guarded(host, "DescSet", [&] {
        SettingsRecords records = ReadSettingsFile(host, path);
        Describe(host, records, commentFile, CopyMode::WhatItHas);
        SortToSetOrder(host, records);
        std::string output = DescSetOutputName(path);
        WriteSetRecords(host, records, output);
        return Outcome::Done({output});
    });
}

std::string DescSetOutputName(const std::string& path) {
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
        if (FileNameExt::HasExtension(chosen, ".sss") || FileNameExt::HasExtension(chosen, ".set")) return chosen;
    } catch (const std::exception&) {
        // a dialog that fails counts as cancelled
    }
    return {};
}

}  // namespace vetra::CfgSet
