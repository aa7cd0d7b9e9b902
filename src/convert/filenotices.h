#pragma once

#include <optional>
#include <span>
#include <string>

#include "formats/level.h"
#include "util/fileio.h"

namespace vetra {
class Host;
}

// Reading and writing the files of one batch entry, with the summary notices that a failure gets.
namespace vetra::Convert {

// The whole file, or nothing after the framed notice "PATH could not be read.".
std::optional<Bytes> ReadOrReport(Host& host, const std::string& path);

// Writes the file whole through the safe replacement; false after the framed notice "PATH could not be
// written.", the target then being as it was.
bool WriteOrReport(Host& host, const std::string& path, std::span<const std::uint8_t> bytes);

// The framed notice for a file whose declared tileset size runs past its end.
void ReportTilesetBeyondEnd(Host& host, const std::string& path);
// The framed notice for a file whose tileset size runs past its end or stops inside the tileset's header.
void ReportUnusableTileset(Host& host, const std::string& path, const LevelLayout& layout);

// The height byte of a tileset's header (offset 22), 0 where the bytes stop short of it.
std::uint8_t TilesetHeightByte(std::span<const std::uint8_t> bytes);

}  // namespace vetra::Convert
