#include "cli/consolehost.h"

#include <unistd.h>

namespace vetra::cli {
namespace {

// Summary and message texts carry CR LF breaks; a terminal wants plain line feeds.
std::string ConsoleLines(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out += text[i] == '\r' ? '\n' : text[i];
    }
    return out;
}

}  // namespace

ConsoleHost::ConsoleHost(std::FILE* out, std::FILE* err)
    : out_(out), err_(err), titlesShown_(::isatty(fileno(err)) != 0) {}

void ConsoleHost::SetTitle(const std::string& text) {
    if (!titlesShown_) return;
    std::fprintf(err_, "\r\x1b[K%s", text.c_str());
    std::fflush(err_);
    titleOnScreen_ = true;
}

void ConsoleHost::RestoreTitle() { EndTitleLine(); }

void ConsoleHost::EndTitleLine() {
    if (!titleOnScreen_) return;
    std::fputs("\r\x1b[K", err_);
    std::fflush(err_);
    titleOnScreen_ = false;
}

void ConsoleHost::AddText(const std::string& text) {
    EndTitleLine();
    std::fprintf(out_, "%s\n", ConsoleLines(text).c_str());
    std::fflush(out_);
}

void ConsoleHost::MessageBox(const std::string& text) {
    EndTitleLine();
    std::fflush(out_);
    std::fprintf(err_, "vetra: %s\n", ConsoleLines(text).c_str());
    std::fflush(err_);
}

}  // namespace vetra::cli
