#pragma once

#include "cfgset/settingsrecord.h"
#include "util/progress.h"

namespace vetra::cfgset {

// Whether a matching comment replaces everything or only what it has.
enum class CopyMode {
    All,       // Min, Max and Desc are copied (the conversion to .set)
    WhatItHas  // Min and Max only when not empty; Desc always (the annotation)
};

// Fills Min, Max and Desc of the records in from the comments of the same Name and category, where a template
// describes every ship under "All". Sorts both lists by category first (the records stay in that order) and
// shows "percent applied..." progress. A later matching comment overrides an earlier one. Never fails.
void ApplyDescriptions(Progress& progress, SettingsRecords& records, SettingsRecords& comments, bool fromTemplate,
                       CopyMode mode);

}  // namespace vetra::cfgset
