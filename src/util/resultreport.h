#pragma once

#include <string>

#include "util/fileresult.h"

namespace vetra {

class Host;

// The one formatter of results, shared by the desktop program and the command line so that both say the same
// words: each notice of a file goes to the summary (framed where it is a problem with the file) or into a
// message box, in the order the operation noticed them.
void ReportFile(Host& host, const FileResult& result);

// A "Created: PATH" summary line for each file the operation wrote or replaced, so that the user can find it.
void ReportWritten(Host& host, const FileResult& result);

// What the front ends show of a finished operation: its notices, then the files it wrote.
void ReportOutcome(Host& host, const FileResult& result);

// A problem with one file as the summary shows it: the text between two rule lines.
std::string FramedText(const std::string& text);

}  // namespace vetra
