#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "formats/extendedleveldata.h"

// Where the comments of a bitmap (a tileset file, or the tileset at the head of a level) lie: behind the pixel
// data, up to the end that the bitmap's file-size field gives. Parsing never fails and never reads outside the
// bytes given.
namespace vetra::convert {

struct CommentArea {
    bool hasTileset = false;       // the file begins with "BM"
    bool complete = false;         // the header is whole, the pixels lie inside the bitmap, the bitmap inside the file
    std::uint64_t pixelEnd = 0;    // pixel offset + pixel size: where the comments begin
    std::uint64_t declaredEnd = 0; // the file-size field: where they end, and where a level's records begin
    std::uint64_t end = 0;         // the declared end, cut at the end of the file
    // Extended level data ("elvl" at the offset that the field at byte 6 gives, behind the pixels and inside
    // the declared end), if there is any. The comments then end where it begins.
    std::optional<ExtendedLevelData> section;

    std::uint64_t CommentsEnd() const { return section ? section->offset : end; }

    std::uint64_t Length() const { return end > pixelEnd ? end - pixelEnd : 0; }
};

CommentArea FindCommentArea(std::span<const std::uint8_t> bytes);

}  // namespace vetra::convert
