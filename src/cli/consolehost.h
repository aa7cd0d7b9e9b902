#pragma once

#include <cstdio>
#include <string>

#include "util/host.h"

namespace vetra::cli {

// The host of the command line: summary lines to stdout as the summary window would get them, message-box
// texts to stderr as "vetra: TEXT", progress titles on one self-rewriting stderr line when it is a terminal.
class ConsoleHost : public Host {
public:
    ConsoleHost(std::FILE* out, std::FILE* err);

    void SetTitle(const std::string& text) override;
    void RestoreTitle() override;
    void DoEvents() override {}
    void ClearText() override {}
    void AddText(const std::string& text) override;
    void MessageBox(const std::string& text) override;

private:
    void EndTitleLine();

    std::FILE* out_;
    std::FILE* err_;
    bool titlesShown_;
    bool titleOnScreen_ = false;
};

}  // namespace vetra::cli
