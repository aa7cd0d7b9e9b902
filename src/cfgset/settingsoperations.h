#pragma once

#include <string>

#include "util/batchoperation.h"

// The Server tab's batches, described once for the desktop program and the command line.
namespace vetra::CfgSet {

// ".cfg->.set": Cfg2Set on each .cfg, with the comment file chosen beforehand ("" without descriptions).
BatchOperation Cfg2SetOperation(const std::string& commentFile, bool includeDescriptions);

// ".set->.cfg": Set2Cfg on each .set.
BatchOperation Set2CfgOperation(bool includeDescriptions);

// "Describe": DescSet on each .set with the comment file chosen beforehand.
BatchOperation DescSetOperation(const std::string& commentFile);

}  // namespace vetra::CfgSet
