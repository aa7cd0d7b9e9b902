#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "tileset/editordialogs.h"

namespace vetra::test {

// Answers the editors' dialogs from a prepared list and records what was asked; an empty list cancels.
class ScriptedEditorDialogs : public tileset::EditorDialogs {
public:
    std::deque<std::optional<std::string>> files;
    std::deque<bool> answers;
    std::vector<std::string> titles;
    std::vector<std::string> messages;

    std::optional<std::string> OpenFile(const std::string& title, const std::string& filter) override {
        return Next(title, filter);
    }
    std::optional<std::string> SaveFile(const std::string& title, const std::string& filter) override {
        return Next(title, filter);
    }
    void MessageBox(const std::string& text) override { messages.push_back(text); }
    bool AskOkCancel(const std::string& text, const std::string& title) override {
        messages.push_back(title + ": " + text);
        bool answer = !answers.empty() && answers.front();
        if (!answers.empty()) answers.pop_front();
        return answer;
    }

private:
    std::optional<std::string> Next(const std::string& title, const std::string& filter) {
        titles.push_back(title + " [" + filter + "]");
        if (files.empty()) return std::nullopt;
        std::optional<std::string> file = files.front();
        files.pop_front();
        return file;
    }
};

}  // namespace vetra::test
