#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>

#include "formats/level.h"
#include "util/fileio.h"
#include "util/fileresult.h"
#include "util/progresstitle.h"

// A level as the overlay tools read it: whole, with its tileset found by the "BM" signature; and the skeleton
// both tools share: read two levels, combine their records, write the result beside the first.
namespace vetra::convert {

// A full map holds about a million places, four megabytes of records; far larger levels are refused before
// their records are held in memory twice over.
inline constexpr std::uintmax_t kOverlayReadLimit = 32u * 1024u * 1024u;

struct OverlayLevel {
    Bytes bytes;
    LevelLayout layout;
};

// Reads a level. A file that cannot be read, or whose tileset size runs past its end, gets a framed notice in
// the result and gives nothing.
std::optional<OverlayLevel> ReadOverlayLevel(FileResult& result, const std::string& path);

// The head level's tileset, as the combined level begins with it; nothing for a level without one.
Bytes TilesetHead(const OverlayLevel& head);

// The head level's tileset (if any) followed by the records whose tile is not 0, in order.
template <class Record>
Bytes LevelWithRecords(const OverlayLevel& head, std::span<const Record> records);

// Makes the level bytes from the two levels read.
using CombineLevels = std::function<Bytes(ProgressTitle& title, const OverlayLevel& first, const OverlayLevel& second)>;

// Reads first and second (either failing ends it with its notice), combines them, and writes the result under
// the first free name beside first ("level.lvl" -> "level-0.lvl"). The inputs are never changed.
FileResult WriteCombinedLevel(Progress& progress, const std::string& first, const std::string& second,
                              const CombineLevels& combine);

}  // namespace vetra::convert
