#pragma once

#include <optional>
#include <string>

#include "util/batchoperation.h"
#include "util/fileio.h"
#include "util/fileresult.h"
#include "util/progresstitle.h"

// Putting a tileset at the head of a level, in place of the one it had.
namespace vetra::convert {

struct ApplyOptions {
    bool replace = false;       // write into the level itself rather than into a new file beside it
    bool cleanPalette = false;  // give the copy the default palette and the standard header
};

// Writes the level with the source's tileset (a tileset bitmap, or a level that has one) at its head and the
// level's tile records behind it. A refused source or level gets its framed notice and the closing message;
// the level and any output name are then untouched.
FileResult ApplyTileset(Progress& progress, const std::string& levelPath, const std::string& sourcePath,
                        const ApplyOptions& options);

// The source's tileset as it is to stand at the head of a level (cleaned when chosen), for a level being built
// in memory; nothing after the framed notice that refuses the source.
std::optional<Bytes> TilesetForLevel(FileResult& result, ProgressTitle& title, const std::string& sourcePath,
                                     bool cleanPalette);

// The Apply Tiles batch with the chosen tileset source.
BatchOperation ApplyTilesOperation(const std::string& tilesetPath, bool cleanPalette);

}  // namespace vetra::convert
