#pragma once

#include <string>

#include "util/host.h"

namespace vetra::Convert {

// The main window's title as the progress display of one engine procedure: each stage is shown and given a
// chance to repaint, and the normal title comes back when the procedure ends, on every path. Never fails.
class ProgressTitle {
public:
    explicit ProgressTitle(Host& host) : host_(host) {}
    ~ProgressTitle() { host_.RestoreTitle(); }
    ProgressTitle(const ProgressTitle&) = delete;
    ProgressTitle& operator=(const ProgressTitle&) = delete;

    void Show(const std::string& text) {
        host_.SetTitle(text);
        host_.DoEvents();
    }
    // A figure such as the percentage done, followed by its text ("% loaded...").
    void ShowFigure(long long figure, const std::string& text) { Show(std::to_string(figure) + text); }

private:
    Host& host_;
};

}  // namespace vetra::Convert
