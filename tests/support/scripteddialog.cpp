#include "support/scripteddialog.h"

namespace vetra::ui {

std::vector<std::string> ScriptedDialog::Next(Kind kind, const widgets::DialogRequest& request) {
    requests_.push_back({kind, request});
    if (files_.empty()) return {};
    std::vector<std::string> answer = std::move(files_.front());
    files_.pop_front();
    return answer;
}

std::vector<std::string> ScriptedDialog::OpenFiles(const widgets::DialogRequest& request) {
    return Next(Kind::OpenFiles, request);
}

std::string ScriptedDialog::OpenFile(const widgets::DialogRequest& request) {
    std::vector<std::string> answer = Next(Kind::OpenFile, request);
    return answer.empty() ? std::string() : answer.front();
}

std::string ScriptedDialog::SaveFile(const widgets::DialogRequest& request) {
    std::vector<std::string> answer = Next(Kind::SaveFile, request);
    return answer.empty() ? std::string() : answer.front();
}

void ScriptedDialog::Show(const std::string& text) {
    messages_.push_back(text);
    if (watcher_) watcher_(text);
}

void ScriptedDialog::MessageBox(const std::string& text) { Show(text); }

bool ScriptedDialog::AskOkCancel(const std::string& text) {
    Show(text);
    if (answers_.empty()) return true;
    bool ok = answers_.front();
    answers_.pop_front();
    return ok;
}

}  // namespace vetra::ui
