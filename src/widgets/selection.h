#pragma once

#include <string>

namespace vetra::widgets {

// Takes apart the selection string of a file dialog: one full path, or a directory followed by file names, all
// separated by NUL characters. Neither function fails; an index beyond the names gives the directory and a
// separator.

// The number of files in the selection: the count of NUL characters, or 1 when there is none.
short CountSelectedFiles(const std::string& selection);

// The full path of file `index` (counted from 1). The separator is always added, so a root directory that
// already ends in one gives a doubled separator, which the file system accepts.
std::string SelectedFilePath(const std::string& selection, int index);

}  // namespace vetra::widgets
