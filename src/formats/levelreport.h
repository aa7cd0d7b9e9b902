#pragma once

#include <string>
#include <vector>

#include "formats/levelinspection.h"

// The block of lines in which the level inspector describes one level; texts from the file are shown as
// UTF-8 with control bytes escaped. It cannot fail.
namespace vetra {

std::vector<std::string> LevelReport(const std::string& path, const LevelInspection& level);

}  // namespace vetra
