#pragma once

#include <string>

#include "util/batch.h"

namespace vetra {

// Which files the completion message counts.
enum class CountOf { ChosenFiles, AcceptedFiles };

// Everything a front end needs to run one button's batch: the dialog's title and filter, the per-file job, and
// the completion message ("Deconversion complete." + CR LF CR LF + count + " deconverted.").
struct BatchOperation {
    std::string dialogTitle;  // such as "File(s) to deconvert:"
    std::string filter;       // such as "SubSpace Levels (*.lvl)|*.lvl"
    std::string completion;   // such as "Deconversion complete."; "" for none
    std::string countWord;    // such as " deconverted."
    CountOf count = CountOf::ChosenFiles;
    BatchJob job;

    std::string CompletionText(const BatchReport& report) const {
        int counted = count == CountOf::AcceptedFiles ? report.accepted : report.chosen;
        return completion + "\r\n\r\n" + std::to_string(counted) + countWord;
    }
};

}  // namespace vetra
