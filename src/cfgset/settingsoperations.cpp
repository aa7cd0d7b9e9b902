#include "cfgset/settingsoperations.h"

#include "cfgset/cfgset.h"

namespace vetra::CfgSet {
namespace {

BatchOperation Processing(std::string title, std::string filter, std::string extension) {
    BatchOperation operation;
    operation.dialogTitle = std::move(title);
    operation.filter = std::move(filter);
    operation.completion = "Processing complete.";
    operation.countWord = " processed.";
    operation.job.extension = std::move(extension);
    return operation;
}

}  // namespace

BatchOperation Cfg2SetOperation(Host& host, const std::string& commentFile) {
    BatchOperation operation =
        Processing("File(s) to process (.cfg):", "Server config files (*.cfg)|*.cfg", ".cfg");
    operation.job.routine = [&host, commentFile](const std::string& path) {
        return Cfg2Set(host, path, commentFile, host.OptionValue(Option::IncludeDescriptions));
    };
    return operation;
}

BatchOperation Set2CfgOperation(Host& host) {
    BatchOperation operation = Processing("File(s) to process (.set):", "Server settings (*.set)|*.set", ".set");
    operation.job.routine = [&host](const std::string& path) {
        return Set2Cfg(host, path, host.OptionValue(Option::IncludeDescriptions));
    };
    return operation;
}

BatchOperation DescSetOperation(Host& host, const std::string& commentFile) {
    BatchOperation operation =
        Processing("File(s) to process (.set):", "Subspace server settings (*.set)|*.set", ".set");
    operation.job.routine = [&host, commentFile](const std::string& path) {
        return DescSet(host, path, commentFile);
    };
    return operation;
}

}  // namespace vetra::CfgSet
