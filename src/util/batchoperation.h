#pragma once

#include <string>

#include "util/batch.h"

namespace vetra {

// Everything a front end needs to run one button's batch: the dialog's title and filter, the per-file job,
// and the completion message ("Deconversion complete." + CR LF CR LF + "3 deconverted."), which counts the
// files that were done and, where some were not, adds a line for them ("1 could not be deconverted.").
struct BatchOperation {
    std::string dialogTitle;  // such as "File(s) to deconvert:"
    std::string filter;       // such as "SubSpace Levels (*.lvl)|*.lvl"
    std::string completion;   // such as "Deconversion complete."; "" for none
    std::string countWord;    // such as " deconverted."
    BatchJob job;

    std::string CompletionText(const BatchReport& report) const {
        int done = report.DoneCount();
        std::string text = completion + "\r\n\r\n" + std::to_string(done) + countWord;
        if (done < report.chosen)
            text += "\r\n" + std::to_string(report.chosen - done) + " could not be" + countWord;
        return text;
    }
};

}  // namespace vetra
