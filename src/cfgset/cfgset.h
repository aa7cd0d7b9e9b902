#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "util/fileresult.h"

namespace vetra {
class Progress;
}

// The server-settings procedures of the Server tab: conversion between .cfg and .set, and descriptions from a
// comment file. Each writes a new file beside its input and never changes the input. On any error the result
// ends with a message box naming the file and the reason and the reason as a summary line; the title is
// restored and no output is left behind.
namespace vetra::cfgset {

// Writes the .set as a .cfg (sorted by section) under UniqueFileName(path less its extension + ".cfg"); with
// descriptions each setting gets its ";Min:Max:Desc" line.
FileResult ConvertSetToCfg(Progress& progress, const std::string& path, bool includeDescriptions);

// Writes the .cfg as a .set in set order under UniqueFileName(path less its extension + ".set"); with
// descriptions, Min, Max and Desc come from the comment file.
FileResult ConvertCfgToSet(Progress& progress, const std::string& path, const std::string& commentFile,
                           bool includeDescriptions);

// Writes the .set with Min, Max and Desc from the comment file, in set order, under
// DescribeSetOutputName(path).
FileResult DescribeSet(Progress& progress, const std::string& path, const std::string& commentFile);

// The first free name of the path less its last four characters + "-" + counter (from 0) + those characters.
std::string DescribeSetOutputName(const std::string& path);

// The comment-file dialog: one existing file.
inline constexpr std::string_view kCommentDialogTitle = "Comment file to open:";
inline constexpr std::string_view kCommentDialogFilter =
    "Subspace settings template (*.sss)|*.sss|Subspace server settings (*.set)|*.set";

// Shows the front end's open dialog (title, filter; it returns "" when cancelled) and keeps its answer only
// when it names a .sss or .set file; "" otherwise, also when the dialog throws.
std::string PickCommentFile(
    const std::function<std::string(const std::string& title, const std::string& filter)>& openDialog);

}  // namespace vetra::cfgset
