#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "util/fileio.h"
#include "util/fileresult.h"
#include "util/progresstitle.h"

// The tileset primitives: the header and default palette of a tileset, copying the tileset at the head of a
// level or bitmap, and cleaning such a copy. Each works on the bytes of a file being built, over whatever
// bytes stand there, growing them where a file would grow; failures are reported as each function says.
namespace vetra::convert {

// The largest height whose file size still fits in 16 bits, which the game's readers assume.
inline constexpr int kLargestTilesetHeight = 212;

// Writes the 54-byte tileset header for height h at offset 0. A height above 212 is refused before anything
// is written, and false is returned.
bool WriteTilesetHeader(Bytes& file, std::uint8_t height);

// Writes the default palette at offsets 54 to 1077. Never fails.
void WriteDefaultPalette(Bytes& file);

// Copies the first S bytes of the source to offset 0 of the destination, S being the source's file-size
// field, and returns S; returns 0 and leaves the destination alone when the source is shorter than S.
std::uint32_t CopyTileset(std::span<const std::uint8_t> source, Bytes& destination);

// Replaces a tileset copy's header (for the given height) and colour table by the standard ones, keeping its
// pixels, its file-size field and its reserved bytes, so that what stood behind its pixels stays declared.
// A refused height leaves the header as it was, and false is returned; the palette is replaced all the same.
bool CleanTilesetCopy(Bytes& copy, std::uint8_t height);

// Cleans the copy of the tileset of path, showing "Cleaning pallette..." on the title, when clean is set
// (the "Clean Palette" option). A tileset whose pixels are not 8-bit, uncompressed and behind a full colour
// table at offset 1078 would be ruined by the standard header and palette: it stays as it is, with a framed
// note in the result; a height no header can hold gets a message box note.
void CleanTilesetCopyIfChosen(bool clean, FileResult& result, ProgressTitle& title, Bytes& copy,
                              std::uint8_t height, const std::string& path);

}  // namespace vetra::convert
