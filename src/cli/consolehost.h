#pragma once

#include <cstdio>
#include <map>
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
    void ClearText() override {}
    void AddText(const std::string& text) override;
    void MessageBox(const std::string& text) override;
    bool AskOkCancel(const std::string& text) override;
    void DoEvents() override {}
    bool OptionValue(Option option) const override;

    void SetOption(Option option, bool value) { options_[option] = value; }
    // Questions are answered OK unless the user asked for the opposite.
    void SetAnswer(bool ok) { answer_ = ok; }
    // Prints "Created: PATH".
    void ReportCreated(const std::string& path);

private:
    void EndTitleLine();

    std::FILE* out_;
    std::FILE* err_;
    bool titlesShown_;
    bool titleOnScreen_ = false;
    bool answer_ = true;
    std::map<Option, bool> options_;
};

}  // namespace vetra::cli
