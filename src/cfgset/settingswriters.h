#pragma once

#include <cstddef>
#include <string>

#include "cfgset/settingsrecord.h"
#include "util/fileresult.h"
#include "util/progress.h"

// The writers of .set and .cfg files. Each builds the whole text with CR LF line ends, shows its progress in
// the title, and writes the file in one step with WriteFileSafely: on failure FileError is thrown and no part
// of the file is left. A record that the format cannot hold exactly gets a "Warning: " summary line in the
// result.
namespace vetra::cfgset {

// Writes Cat:Name:Val:Min:Max:Desc lines; a record whose Min, Max and Desc repeat the previous record's is
// written as Cat:Name:Val:*, except after a record with all three empty.
void WriteSetRecords(Progress& progress, FileResult& result, const SettingsRecords& records,
                     const std::string& path);

// Writes the records (sorted by category) as sections of Name=Val lines, each section after an empty line;
// with descriptions, each setting is followed by ";Min:Max:Desc".
void WriteCfgRecords(Progress& progress, FileResult& result, const SettingsRecords& records,
                     const std::string& path, bool includeDescriptions);

// The .cfg writer's progress: i * 100 / count as the division gives it, with up to 15 significant digits.
std::string PercentText(std::size_t index, std::size_t count);

}  // namespace vetra::cfgset
