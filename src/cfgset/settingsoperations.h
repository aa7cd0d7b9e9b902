#pragma once

#include <string>

#include "util/batchoperation.h"
#include "util/host.h"

// The Server tab's batches, described once for the desktop program and the command line. The host must
// outlive the operation; "Include Descriptions" is read from the host for each file.
namespace vetra::CfgSet {

// ".cfg->.set": Cfg2Set on each .cfg, with the comment file chosen beforehand ("" without descriptions).
BatchOperation Cfg2SetOperation(Host& host, const std::string& commentFile);

// ".set->.cfg": Set2Cfg on each .set.
BatchOperation Set2CfgOperation(Host& host);

// "Describe": DescSet on each .set with the comment file chosen beforehand.
BatchOperation DescSetOperation(Host& host, const std::string& commentFile);

}  // namespace vetra::CfgSet
