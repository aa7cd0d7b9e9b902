#pragma once

#include <optional>
#include <string>

#include "formats/level.h"
#include "util/fileio.h"

namespace vetra {
class Host;
}

// A level as the overlay tools read it: whole, with its tileset found by the "BM" signature.
namespace vetra::Convert {

// A full map holds about a million places, four megabytes of records; far larger levels are refused before
// their records are held in memory twice over.
inline constexpr std::uintmax_t kOverlayReadLimit = 32u * 1024u * 1024u;

struct OverlayLevel {
    Bytes bytes;
    LevelLayout layout;
};

// Reads a level. A file that cannot be read, or whose tileset size runs past its end, gets a framed notice in
// the summary and gives nothing.
std::optional<OverlayLevel> ReadOverlayLevel(Host& host, const std::string& path);

}  // namespace vetra::Convert
