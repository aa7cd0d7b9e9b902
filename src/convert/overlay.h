#pragma once

#include <memory>
#include <string>

#include "util/batchoperation.h"
#include "util/outcome.h"

namespace vetra {
class Host;
}

// Laying an overlay (any level, usually a diff) over levels: where both have a tile the overlay's wins. Failures
// are framed notices in the summary and a failed Outcome; the inputs are never changed.
namespace vetra::Convert {

inline constexpr const char* kLevelFilter = "SubSpace Levels (*.lvl)|*.lvl";
// The dialog that asks for the overlay before the levels are chosen.
inline constexpr const char* kOverlayDialogTitle = "Apply which overlay?";

// Writes the level merged with the overlay to a new file beside the level, its tileset (if any) followed by the
// surviving records sorted by y, then x.
Outcome ApplyOverlay(Host& host, const std::string& level, const std::string& overlay);

// The Overlay button's batch over the chosen levels. The overlay is read when each level's turn comes, so a
// front end can ask for it after the batch is described.
BatchOperation OverlayOperation(Host& host, std::shared_ptr<const std::string> overlay);

}  // namespace vetra::Convert
