#pragma once

#include <optional>
#include <string>

class QWidget;

namespace vetra::tileset {

// The file dialogs and message boxes the picker and the editors use; tests put scripted answers in its place.
// A filter is "Description|pattern|Description|pattern"; a cancelled dialog gives nothing.
class EditorDialogs {
public:
    virtual ~EditorDialogs() = default;
    // One existing file.
    virtual std::optional<std::string> OpenFile(const std::string& title, const std::string& filter) = 0;
    // A file to write, asking before an existing one is replaced.
    virtual std::optional<std::string> SaveFile(const std::string& title, const std::string& filter) = 0;
    // A message with an OK button and the default title.
    virtual void MessageBox(const std::string& text) = 0;
    // A message with OK and Cancel; true for OK.
    virtual bool AskOkCancel(const std::string& text, const std::string& title) = 0;
};

// The dialogs of the toolkit, shown over a parent window.
class QtEditorDialogs : public EditorDialogs {
public:
    explicit QtEditorDialogs(QWidget* parent) : parent_(parent) {}
    std::optional<std::string> OpenFile(const std::string& title, const std::string& filter) override;
    std::optional<std::string> SaveFile(const std::string& title, const std::string& filter) override;
    void MessageBox(const std::string& text) override;
    bool AskOkCancel(const std::string& text, const std::string& title) override;

private:
    QWidget* parent_;
};

}  // namespace vetra::tileset
