#pragma once

#include <string>
#include <vector>

#include "util/fileresult.h"
#include "util/host.h"

namespace vetra {

// A host that keeps every call in order, for tests and benchmarks. Results reported through it go through the
// front ends' own formatter, so a test sees the lines and messages a user would.
class RecordingHost : public Host {
public:
    enum class Kind { SetTitle, RestoreTitle, ClearText, AddText, MessageBox, DoEvents };
    struct Call {
        Kind kind;
        std::string text;
        bool operator==(const Call&) const = default;
    };

    void SetTitle(const std::string& text) override;
    void RestoreTitle() override;
    void ClearText() override;
    void AddText(const std::string& text) override;
    void MessageBox(const std::string& text) override;
    void DoEvents() override;
    WriteFaults* Faults() override { return faults_; }

    void SetFaults(WriteFaults* faults) { faults_ = faults; }

    // Shows the result as the front ends do (summary lines, message boxes) and gives it back.
    FileResult Report(FileResult result);

    const std::vector<Call>& Calls() const { return calls_; }
    // The texts of the calls of one kind, in order.
    std::vector<std::string> Texts(Kind kind) const;
    std::vector<std::string> Summary() const { return Texts(Kind::AddText); }
    std::vector<std::string> Messages() const { return Texts(Kind::MessageBox); }
    std::vector<std::string> Titles() const { return Texts(Kind::SetTitle); }
    void Forget() { calls_.clear(); }

private:
    std::vector<Call> calls_;
    WriteFaults* faults_ = nullptr;
};

}  // namespace vetra
