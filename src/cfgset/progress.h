#pragma once

#include <string>

#include "util/host.h"

namespace vetra::CfgSet {

// Shows a stage in the title and lets the window repaint it.
inline void ShowProgress(Host& host, const std::string& text) {
    host.SetTitle(text);
    host.DoEvents();
}

}  // namespace vetra::CfgSet
