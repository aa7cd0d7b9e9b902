#include "util/resultreport.h"

#include "util/host.h"

namespace vetra {

std::string FramedText(const std::string& text) {
    static const std::string rule = "-=-=-=-=-=-=-=-=-";
    return rule + "\r\n" + text + "\r\n" + rule;
}

void ReportFile(Host& host, const FileResult& result) {
    for (const Notice& notice : result.notices) {
        switch (notice.display) {
            case NoticeDisplay::Summary:
                host.AddText(notice.text);
                break;
            case NoticeDisplay::FramedSummary:
                host.AddText(FramedText(notice.text));
                break;
            case NoticeDisplay::MessageBox:
                host.MessageBox(notice.text);
                break;
        }
    }
}

void ReportWritten(Host& host, const FileResult& result) {
    for (const std::string& path : result.written) host.AddText("Created: " + path);
}

void ReportOutcome(Host& host, const FileResult& result) {
    ReportFile(host, result);
    ReportWritten(host, result);
}

}  // namespace vetra
