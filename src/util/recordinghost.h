#pragma once

#include <map>
#include <string>
#include <vector>

#include "util/host.h"

namespace vetra {

// A host that keeps every call in order, for tests and benchmarks. Answers and option values are set up front.
class RecordingHost : public Host {
public:
    enum class Kind { SetTitle, RestoreTitle, ClearText, AddText, MessageBox, AskOkCancel, DoEvents };
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
    bool AskOkCancel(const std::string& text) override;
    void DoEvents() override;
    bool OptionValue(Option option) const override;
    WriteFaults* Faults() override { return faults_; }

    void SetOption(Option option, bool value) { options_[option] = value; }
    void SetAnswer(bool ok) { answer_ = ok; }
    void SetFaults(WriteFaults* faults) { faults_ = faults; }

    const std::vector<Call>& Calls() const { return calls_; }
    // The texts of the calls of one kind, in order.
    std::vector<std::string> Texts(Kind kind) const;
    std::vector<std::string> Summary() const { return Texts(Kind::AddText); }
    std::vector<std::string> Messages() const { return Texts(Kind::MessageBox); }
    std::vector<std::string> Titles() const { return Texts(Kind::SetTitle); }
    void Forget() { calls_.clear(); }

private:
    std::vector<Call> calls_;
    std::map<Option, bool> options_;
    bool answer_ = true;
    WriteFaults* faults_ = nullptr;
};

}  // namespace vetra
