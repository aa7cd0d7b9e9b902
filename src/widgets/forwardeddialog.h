#pragma once

#include <functional>

#include "widgets/filedialog.h"

namespace vetra::widgets {

// The common dialog that another one is at the moment of each call, so that windows made once keep using
// the main window's dialog even after it has been swapped (as tests do).
class ForwardedDialog : public FileDialog {
public:
    explicit ForwardedDialog(std::function<FileDialog&()> target) : target_(std::move(target)) {}

    std::vector<std::string> OpenFiles(const DialogRequest& request) override {
        return target_().OpenFiles(request);
    }
    std::string OpenFile(const DialogRequest& request) override { return target_().OpenFile(request); }
    std::string SaveFile(const DialogRequest& request) override { return target_().SaveFile(request); }
    void MessageBox(const std::string& text) override { target_().MessageBox(text); }
    bool AskOkCancel(const std::string& text) override { return target_().AskOkCancel(text); }

private:
    std::function<FileDialog&()> target_;
};

}  // namespace vetra::widgets
