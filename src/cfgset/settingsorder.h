#pragma once

#include "cfgset/settingsrecord.h"
#include "util/fileresult.h"
#include "util/progress.h"

// The two orders of settings lists: by category, and the set order of .set files. Neither fails.
namespace vetra::cfgset {

// Sorts by Cat with the program's shell sort, showing "Sorting data...".
void SortByCategory(Progress& progress, SettingsRecords& records);

// The set order: the records of other categories first, sorted by Cat, then the settings of the eight ships,
// by Name and within a Name from ship 1 to ship 8, their category spelled as the ship's proper name. Should
// that fail, the records keep the order they had, with a message box notice in the result saying so.
void SortToSetOrder(Progress& progress, FileResult& result, SettingsRecords& records);

}  // namespace vetra::cfgset
