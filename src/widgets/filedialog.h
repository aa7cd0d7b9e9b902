#pragma once

#include <string>
#include <vector>

namespace vetra::widgets {

// What a caller sets before showing the common dialog.
struct DialogRequest {
    std::string title;
    std::string filter;   // pairs of description and pattern joined by "|": "Bitmap Files (*.bmp)|*.bmp"
    int filterIndex = 1;  // counted from 1
};

// The common file dialog and message boxes that every window uses. The main window owns one; tests swap in a
// scripted one. A cancelled dialog gives an empty answer, and the caller then ends its operation silently.
class FileDialog {
public:
    virtual ~FileDialog() = default;

    // Several existing files, as full paths; empty when cancelled.
    virtual std::vector<std::string> OpenFiles(const DialogRequest& request) = 0;
    // One existing file's full path; empty when cancelled.
    virtual std::string OpenFile(const DialogRequest& request) = 0;
    // A file name to write, asking before an existing file is overwritten; empty when cancelled.
    virtual std::string SaveFile(const DialogRequest& request) = 0;
    // A message box with an OK button and the application's title.
    virtual void MessageBox(const std::string& text) = 0;
    // A message box with OK and Cancel; true for OK.
    virtual bool AskOkCancel(const std::string& text) = 0;
};

}  // namespace vetra::widgets
