#pragma once

#include <string>

#include "util/batch.h"

namespace vetra {

// Everything a front end needs to run one button's batch: the dialog's title and filter, the per-file job, and
// the completion message ("Deconversion complete." + CR LF CR LF + count + " deconverted.").
struct BatchOperation {
    std::string dialogTitle;  // such as "File(s) to deconvert:"
    std::string filter;       // such as "SubSpace Levels (*.lvl)|*.lvl"
    std::string completion;   // such as "Deconversion complete."
    std::string countWord;    // such as " deconverted."
    bool countAcceptedOnly = false;  // the count is of accepted files rather than of chosen ones
    BatchJob job;

    std::string CompletionText(const BatchReport& report) const {
        int count = countAcceptedOnly ? report.accepted : report.chosen;
        return completion + "\r\n\r\n" + std::to_string(count) + countWord;
    }
};

}  // namespace vetra
