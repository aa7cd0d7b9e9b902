#pragma once

#include <string>

namespace vetra {

class WriteFaults;

// The options of the main window that engine procedures read at the moment they need them.
enum class Option { UseWallTiles, CleanPalette, IncludeDescriptions, DontOverwriteFiles };

// How the engine talks to the user. The main window, the console and the tests' recording host implement it;
// the engine never knows which one it serves.
class Host {
public:
    virtual ~Host() = default;

    // Shows a progress text in place of the normal title.
    virtual void SetTitle(const std::string& text) = 0;
    // Puts the normal title back.
    virtual void RestoreTitle() = 0;
    // Empties the summary (and shows it, where there is a window).
    virtual void ClearText() = 0;
    // Appends one line to the summary; a text may hold CR LF breaks of its own.
    virtual void AddText(const std::string& text) = 0;
    // A message box with an OK button and the default title.
    virtual void MessageBox(const std::string& text) = 0;
    // A message box with OK and Cancel; true for OK.
    virtual bool AskOkCancel(const std::string& text) = 0;
    // Lets pending window events run so that a changed title repaints.
    virtual void DoEvents() = 0;
    // The current value of an option box.
    virtual bool OptionValue(Option option) const = 0;
    // Failure injection for the file writers; null outside tests.
    virtual WriteFaults* Faults() { return nullptr; }
};

}  // namespace vetra
