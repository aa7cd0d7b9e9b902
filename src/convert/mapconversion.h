#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "walltiles/model/converterwalltiles.h"
#include "util/batchoperation.h"
#include "util/fileio.h"
#include "util/fileresult.h"
#include "util/progresstitle.h"

// Map bitmaps to levels: the Convert button's work for one file.
namespace vetra::convert {

// What a conversion works with, chosen before the first file.
struct ConversionOptions {
    ConverterWallTiles wallTiles;  // the WallTile set that joins walls drawn in marker colours; empty for none
    std::string tileset;           // a tileset bitmap (or a level with one) to put at the head of each level
    bool cleanPalette = false;     // give that tileset the default palette and the standard header
};

// Converts one map bitmap into a level of tile records, with the chosen tileset at its head, and writes it
// once, whole. A bitmap that is not 1024 pixels wide, not 8 bits per pixel, compressed, stored top down or too
// short, or a tileset that is refused, gets a framed notice; that and every other failure closes with the
// message "Could not convert PATH: REASON." and leaves no level file. The title is restored on every path.
FileResult Convert(Progress& progress, const std::string& bitmapPath, const std::string& levelPath,
                   const ConversionOptions& options);

// The record bytes of the level a map bitmap file holds; nothing after the framed notice that refuses it.
std::optional<Bytes> ConvertBitmapFile(FileResult& result, ProgressTitle& title, const std::string& bitmapPath,
                                       const ConverterWallTiles& wallTiles);

// The stages of Convert between reading the pixels (1024 rows of 1024, bottom row first) and writing: the
// level's record bytes. Throws std::bad_alloc only.
Bytes ConvertPixels(ProgressTitle& title, std::span<const std::uint8_t> pixels,
                    const ConverterWallTiles& wallTiles);

// Converts a bitmap into a level named after it ("arena.bmp" -> "arena.lvl", or "arena-0.lvl" when that is
// taken), never over an existing file.
FileResult ConvertFile(Progress& progress, const std::string& bitmapPath, const ConversionOptions& options);

// The Convert button's batch: bitmaps of a whole map's size only, and the count of accepted files in the
// completion message.
BatchOperation ConvertOperation(const ConversionOptions& options);

}  // namespace vetra::convert
