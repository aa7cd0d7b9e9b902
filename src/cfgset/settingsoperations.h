#pragma once

#include <string>

#include "util/batchoperation.h"

// The Server tab's batches, described once for the desktop program and the command line.
namespace vetra::cfgset {

// ".cfg->.set": ConvertCfgToSet on each .cfg, with the comment file chosen beforehand ("" without
// descriptions).
BatchOperation CfgToSetOperation(const std::string& commentFile, bool includeDescriptions);

// ".set->.cfg": ConvertSetToCfg on each .set.
BatchOperation SetToCfgOperation(bool includeDescriptions);

// "Describe": DescribeSet on each .set with the comment file chosen beforehand.
BatchOperation DescribeSetOperation(const std::string& commentFile);

}  // namespace vetra::cfgset
