#pragma once

#include <string>

#include "util/progress.h"

namespace vetra::cfgset {

// Shows a stage in the title and lets the window repaint it.
inline void ShowProgress(Progress& progress, const std::string& text) {
    progress.SetTitle(text);
    progress.DoEvents();
}

}  // namespace vetra::cfgset
