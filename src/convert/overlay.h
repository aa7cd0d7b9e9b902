#pragma once

#include <memory>
#include <string>

#include "util/batchoperation.h"
#include "util/fileresult.h"

namespace vetra {
class Progress;
}

// Laying an overlay (any level, usually a diff) over levels: where both have a tile the overlay's wins. Failures
// are framed notices in the result; the inputs are never changed.
namespace vetra::convert {

inline constexpr const char* kLevelFilter = "SubSpace Levels (*.lvl)|*.lvl";
// The dialog that asks for the overlay before the levels are chosen.
inline constexpr const char* kOverlayDialogTitle = "Apply which overlay?";

// Writes the level merged with the overlay to a new file beside the level, its tileset (if any) followed by the
// surviving records sorted by y, then x.
FileResult ApplyOverlay(Progress& progress, const std::string& level, const std::string& overlay);

// The Overlay button's batch over the chosen levels with the overlay chosen before them.
BatchOperation OverlayOperation(const std::string& overlay);

}  // namespace vetra::convert
