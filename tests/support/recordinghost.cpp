#include "support/recordinghost.h"

#include "util/resultreport.h"

namespace vetra {

void RecordingHost::SetTitle(const std::string& text) { calls_.push_back({Kind::SetTitle, text}); }
void RecordingHost::RestoreTitle() { calls_.push_back({Kind::RestoreTitle, {}}); }
void RecordingHost::ClearText() { calls_.push_back({Kind::ClearText, {}}); }
void RecordingHost::AddText(const std::string& text) { calls_.push_back({Kind::AddText, text}); }
void RecordingHost::MessageBox(const std::string& text) { calls_.push_back({Kind::MessageBox, text}); }
void RecordingHost::DoEvents() { calls_.push_back({Kind::DoEvents, {}}); }

FileResult RecordingHost::Report(FileResult result) {
    ReportFile(*this, result);
    return result;
}

std::vector<std::string> RecordingHost::Texts(Kind kind) const {
    std::vector<std::string> texts;
    for (const Call& call : calls_)
        if (call.kind == kind) texts.push_back(call.text);
    return texts;
}

}  // namespace vetra
