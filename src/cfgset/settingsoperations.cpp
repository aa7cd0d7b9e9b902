#include "cfgset/settingsoperations.h"

#include "cfgset/cfgset.h"

namespace vetra::cfgset {
namespace {

BatchOperation Processing(std::string title, std::string filter, std::string extension, BatchJob job) {
    job.extension = std::move(extension);
    return {.dialogTitle = std::move(title),
            .filter = std::move(filter),
            .completion = "Processing complete.",
            .countWord = " processed.",
            .job = std::move(job)};
}

}  // namespace

BatchOperation CfgToSetOperation(const std::string& commentFile, bool includeDescriptions) {
    return Processing(
        "File(s) to process (.cfg):", "Server config files (*.cfg)|*.cfg", ".cfg",
        {.routine = [commentFile, includeDescriptions](Progress& progress, const std::string& path) {
            return ConvertCfgToSet(progress, path, commentFile, includeDescriptions);
        }});
}

BatchOperation SetToCfgOperation(bool includeDescriptions) {
    return Processing("File(s) to process (.set):", "Server settings (*.set)|*.set", ".set",
                      {.routine = [includeDescriptions](Progress& progress, const std::string& path) {
                          return ConvertSetToCfg(progress, path, includeDescriptions);
                      }});
}

BatchOperation DescribeSetOperation(const std::string& commentFile) {
    return Processing("File(s) to process (.set):", "Subspace server settings (*.set)|*.set", ".set",
                      {.routine = [commentFile](Progress& progress, const std::string& path) {
                          return DescribeSet(progress, path, commentFile);
                      }});
}

}  // namespace vetra::cfgset
