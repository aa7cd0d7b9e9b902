#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "widgets/filedialog.h"

namespace vetra::ui {

// A file dialog for tests: answers from a prepared queue and records every request. A dialog asked with no
// answer queued behaves as cancelled; AskOkCancel without a queued answer says OK.
class ScriptedDialog : public widgets::FileDialog {
public:
    enum class Kind { OpenFiles, OpenFile, SaveFile };
    struct Request {
        Kind kind;
        widgets::DialogRequest request;
    };

    std::vector<std::string> OpenFiles(const widgets::DialogRequest& request) override;
    std::string OpenFile(const widgets::DialogRequest& request) override;
    std::string SaveFile(const widgets::DialogRequest& request) override;
    void MessageBox(const std::string& text) override;
    bool AskOkCancel(const std::string& text) override;

    // The next dialog returns these paths (one for the single-file dialogs).
    void QueueFiles(std::vector<std::string> paths) { files_.push_back(std::move(paths)); }
    // The next dialog is cancelled.
    void QueueCancel() { files_.emplace_back(); }
    void QueueAnswer(bool ok) { answers_.push_back(ok); }
    // Runs inside every message box, while the caller still waits for it.
    void OnMessage(std::function<void(const std::string&)> watcher) { watcher_ = std::move(watcher); }

    const std::vector<Request>& Requests() const { return requests_; }
    // The texts of the message boxes and questions, in order.
    const std::vector<std::string>& Messages() const { return messages_; }

private:
    std::vector<std::string> Next(Kind kind, const widgets::DialogRequest& request);
    void Show(const std::string& text);

    std::deque<std::vector<std::string>> files_;
    std::deque<bool> answers_;
    std::vector<Request> requests_;
    std::vector<std::string> messages_;
    std::function<void(const std::string&)> watcher_;
};

}  // namespace vetra::ui
