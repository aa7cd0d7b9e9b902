#pragma once

#include "cfgset/settingsrecord.h"
#include "util/host.h"

// The two orders of settings lists: by category, and the set order of .set files. Neither fails.
namespace vetra::CfgSet {

// Sorts by Cat with the program's shell sort, showing "Sorting data...".
void SortByCategory(Host& host, SettingsRecords& records);

// The set order: the records of other categories first, sorted by Cat, then the settings of the eight ships,
// by Name and within a Name from ship 1 to ship 8, their category spelled as the ship's proper name.
void SortToSetOrder(Host& host, SettingsRecords& records);

}  // namespace vetra::CfgSet
