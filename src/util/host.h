#pragma once

#include <string>

#include "util/progress.h"

namespace vetra {

// A front end as the shared batch driver and result formatter see it: the engine's progress display, and the
// summary and message boxes through which the front end reports results. The main window, the console and the
// tests' recording host implement it; the engine itself only ever sees its Progress.
class Host : public Progress {
public:
    // Empties the summary (and shows it, where there is a window).
    virtual void ClearText() = 0;
    // Appends one line to the summary; a text may hold CR LF breaks of its own.
    virtual void AddText(const std::string& text) = 0;
    // A message box with an OK button and the default title.
    virtual void MessageBox(const std::string& text) = 0;
};

}  // namespace vetra
