#pragma once

#include <string>

namespace vetra {

class WriteFaults;

// What an engine operation tells its front end while it works: the stage it is at, shown in place of the
// normal title, and the chance to let pending window events run. The engine reports nothing else on the way;
// what happened to each file comes back in its result.
class Progress {
public:
    virtual ~Progress() = default;

    // Shows a stage ("Distilling bitmap...") in place of the normal title.
    virtual void SetTitle(const std::string& text) = 0;
    // Puts the normal title back.
    virtual void RestoreTitle() = 0;
    // Lets pending window events run so that a changed title repaints.
    virtual void DoEvents() = 0;
    // Failure injection for the file writers; null outside tests.
    virtual WriteFaults* Faults() { return nullptr; }
};

// Progress that goes nowhere, for work done without a front end watching.
class SilentProgress : public Progress {
public:
    void SetTitle(const std::string&) override {}
    void RestoreTitle() override {}
    void DoEvents() override {}
};

}  // namespace vetra
