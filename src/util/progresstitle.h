#pragma once

#include <string>

#include "util/progress.h"

namespace vetra {

// The front end's title as the progress display of one engine operation: each stage is shown and given a
// chance to repaint, and the normal title comes back when the operation ends, on every path. Never fails.
class ProgressTitle {
public:
    explicit ProgressTitle(Progress& progress) : progress_(progress) {}
    ~ProgressTitle() { progress_.RestoreTitle(); }
    ProgressTitle(const ProgressTitle&) = delete;
    ProgressTitle& operator=(const ProgressTitle&) = delete;

    void Show(const std::string& text) {
        progress_.SetTitle(text);
        progress_.DoEvents();
    }
    // A figure such as the percentage done, followed by its text ("% loaded...").
    void ShowFigure(long long figure, const std::string& text) { Show(std::to_string(figure) + text); }

    // Failure injection for the file writers, from the progress that watches; null outside tests.
    WriteFaults* Faults() const { return progress_.Faults(); }

private:
    Progress& progress_;
};

}  // namespace vetra
