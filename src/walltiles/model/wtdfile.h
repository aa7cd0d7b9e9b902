#pragma once

#include <string>
#include <string_view>

#include "util/fileresult.h"
#include "walltiles/model/walltileset.h"

namespace vetra {

class WriteFaults;

// The ".wtd" file of a WallTile set: one line "WallTile" + colour name + "=" + index + ":" + the slots in
// editor order, separated by ",", 16 numbers or 20 with diagonals, each line ending in CR LF.
namespace wtdfile {

// The colour name of WallTile w's marker in blank map bitmaps, such as "#6060FF" for 2; "" outside 0 to 31.
std::string ColourName(int index);

// The "integer value" of a field: the decimal number at its start (blanks skipped), rounded to the nearest
// integer with halves to even; 0 when the field does not start with a number. Never fails.
double IntegerValue(std::string_view field);

// Builds a set from the text of a file; every malformed or out-of-range line is skipped, never an error.
// A UTF-8 byte-order mark, which some editors put at the start, is ignored.
WallTileSet ParseWallTiles(std::string_view text);

// The text of the file for a set.
std::string WallTilesText(const WallTileSet& set);

// Reads a file into the set. When the file cannot be read the set is left as it was and the result fails with
// the reason as a summary line and the message "Could not load the WallTile definitions PATH: REASON.".
FileResult Load(const std::string& path, WallTileSet& set);

// Writes the set to a file, replacing it. A failure leaves any old file whole and fails the result with the
// message "Could not save the WallTile definitions PATH: REASON.".
FileResult Save(const std::string& path, const WallTileSet& set, WriteFaults* faults = nullptr);

}  // namespace wtdfile
}  // namespace vetra
