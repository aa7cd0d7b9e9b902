#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "convert/converterwalltiles.h"
#include "convert/progresstitle.h"
#include "util/batchoperation.h"
#include "util/fileio.h"
#include "util/outcome.h"

namespace vetra {
class Host;
}

// Map bitmaps to levels: the Convert button's work for one file, with the installed WallTile set.
namespace vetra::Convert {

// Converts one map bitmap into a level of tile records. A bitmap that is not 1024 pixels wide, not 8 bits
// per pixel, compressed, stored top down or too short gets a framed notice in the summary; that and every
// other failure shows "Error in Convert!" and leaves no level file. The title is restored on every path.
Outcome Convert(Host& host, const std::string& bitmapPath, const std::string& levelPath);

// The stages of Convert between reading the pixels (1024 rows of 1024, bottom row first) and writing: the
// level's record bytes. Throws std::bad_alloc only.
Bytes ConvertPixels(ProgressTitle& title, std::span<const std::uint8_t> pixels,
                    const ConverterWallTiles& wallTiles);

// What ConvertFile did: the level's name, chosen whether or not the conversion succeeded.
struct ConvertedLevel {
    std::string levelPath;
    Outcome outcome;
};

// Converts a bitmap into a level named after it ("arena.bmp" -> "arena.lvl", or "arena-0.lvl" when that is
// taken), never over an existing file.
ConvertedLevel ConvertFile(Host& host, const std::string& bitmapPath);

// A step run on each level that a conversion created (putting a tileset at its head, say).
using LevelFollowUp = std::function<Outcome(Host& host, const std::string& levelPath)>;

// The Convert button's batch: bitmaps of a whole map's size only, the WallTile set emptied before each file
// while "Use WallTiles" is unchecked, and the count of accepted files in the completion message.
BatchOperation ConvertOperation(Host& host, LevelFollowUp followUp = {});

}  // namespace vetra::Convert
