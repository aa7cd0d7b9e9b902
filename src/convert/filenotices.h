#pragma once

#include <optional>
#include <span>
#include <string>

#include "formats/level.h"
#include "util/fileio.h"
#include "util/fileresult.h"

namespace vetra {
class WriteFaults;
}

// Reading and writing the files of one batch entry, with the notices that a failure gets in its result.
namespace vetra::convert {

// The whole file, or nothing after the framed notice "PATH could not be read.".
std::optional<Bytes> ReadOrRefuse(FileResult& result, const std::string& path);

// Writes the file whole through the safe replacement and counts it as written; false after the framed notice
// "PATH could not be written.", the target then being as it was.
bool WriteOrRefuse(FileResult& result, const std::string& path, std::span<const std::uint8_t> bytes,
                   WriteFaults* faults);

// The framed refusal of a file whose declared tileset size runs past its end.
void RefuseTilesetBeyondEnd(FileResult& result, const std::string& path);
// The framed refusal of a file whose tileset size runs past its end or stops inside the tileset's header.
void RefuseUnusableTileset(FileResult& result, const std::string& path, const LevelLayout& layout);

// The height byte of a tileset's header (offset 22), 0 where the bytes stop short of it.
// "PATH: N stray bytes at the end were ignored." (or "... were kept as they stood." where the operation
// copies the level's records as bytes) for a level that ends inside a record; nothing for one that does not.
void NoteStrayBytes(FileResult& result, const std::string& path, std::size_t strayBytes, bool kept);

std::uint8_t TilesetHeightByte(std::span<const std::uint8_t> bytes);

}  // namespace vetra::convert
