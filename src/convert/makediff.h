#pragma once

#include <string>

#include "util/fileresult.h"

namespace vetra {
class Host;
class Progress;
}  // namespace vetra

// Making an overlay diff: the tiles that a hand-edited copy of a level adds or changes. Failures are framed
// notices in the result; the inputs are never changed.
namespace vetra::convert {

// The two dialogs of the Make Diff button, asked in this order.
inline constexpr const char* kUnalteredDialogTitle = "Original, unaltered level:";
inline constexpr const char* kEditedDialogTitle = "Hand-edited, modified level:";

// Writes the diff to a new file beside the unaltered level: the unaltered level's tileset (if any), then the
// edited level's records that no identical record of the unaltered level cancels, sorted by y, then x.
FileResult MakeDiff(Progress& progress, const std::string& unaltered, const std::string& edited);

// The Make Diff button once both levels are chosen, for either front end: a fresh summary naming the unaltered
// level, the diff's result, and the closing message "Diff generation complete.".
FileResult DiffLevels(Host& host, const std::string& unaltered, const std::string& edited);

}  // namespace vetra::convert
