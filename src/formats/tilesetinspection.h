#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "formats/bitmapheader.h"
#include "formats/extendedleveldata.h"

// What a tileset bitmap at the head of a file is made of: its header, where its pixels end and what stands
// between them and the tileset's declared size. Inspection reads only within the bytes given and never fails;
// whatever is odd is one of the facts.
namespace vetra {

enum class BehindPixels {
    Nothing,            // no bytes, or zero bytes only
    Text,               // printable text, perhaps between zero bytes
    ExtendedLevelData,  // the section the field at offset 6 points at
    Other,
    Unknown,  // compressed pixels of undeclared size: their end is not known
};

struct TilesetInspection {
    bool headerComplete = false;  // the 54 header bytes are there
    BitmapInfo header;
    std::uint32_t declaredSize = 0;         // the file-size field
    bool beyondEnd = false;                 // the declared size is larger than the file
    std::optional<std::uint64_t> pixelEnd;  // pixel offset plus the pixels' size, when that can be known

    BehindPixels behind = BehindPixels::Nothing;
    std::size_t behindStart = 0;     // where the bytes behind the pixels start
    std::size_t behindLength = 0;    // up to the declared size or the end of the file, whichever comes first
    std::uint64_t pixelOverrun = 0;  // bytes the pixels run past the declared size (or the file)
    std::size_t zerosBefore = 0;     // zero bytes before the text or the extended level data
    std::string text;                // the text, raw, without surrounding zero bytes
    std::optional<ExtendedLevelData> extended;
};

// Inspects the tileset bitmap that starts the bytes; the caller has found that there is one.
TilesetInspection InspectTileset(std::span<const std::uint8_t> bytes);

}  // namespace vetra
