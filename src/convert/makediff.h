#pragma once

#include <string>

#include "util/outcome.h"

namespace vetra {
class Host;
}

// Making an overlay diff: the tiles that a hand-edited copy of a level adds or changes. Failures are framed
// notices in the summary and a failed Outcome; the inputs are never changed.
namespace vetra::Convert {

// The two dialogs of the Make Diff button, asked in this order.
inline constexpr const char* kUnalteredDialogTitle = "Original, unaltered level:";
inline constexpr const char* kEditedDialogTitle = "Hand-edited, modified level:";

// Writes the diff to a new file beside the unaltered level: the unaltered level's tileset (if any), then the
// edited level's records that no identical record of the unaltered level cancels, sorted by y, then x.
Outcome MakeDiff(Host& host, const std::string& unaltered, const std::string& edited);

// The Make Diff button once both levels are chosen: a fresh summary naming the unaltered level, the diff, and
// the closing message "Diff generation complete.".
Outcome DiffLevels(Host& host, const std::string& unaltered, const std::string& edited);

}  // namespace vetra::Convert
