#include "convert/commentarea.h"

#include <algorithm>
#include <cstdlib>

#include "formats/level.h"

namespace vetra::convert {
namespace {

// Bytes of pixel data: the image-size field, or when that is 0 the rows the width, height and depth make. For
// the 8-bit tilesets this is width x height; for a deeper bitmap it keeps the pixels out of the comments.
std::uint64_t PixelSize(std::span<const std::uint8_t> bytes) {
    std::uint32_t imageSize = ReadU32(bytes.data() + 34);
    if (imageSize != 0) return imageSize;
    std::uint64_t width = std::llabs(static_cast<std::int32_t>(ReadU32(bytes.data() + 18)));
    std::uint64_t height = std::llabs(static_cast<std::int32_t>(ReadU32(bytes.data() + 22)));
    std::uint16_t bitsPerPixel = ReadU16(bytes.data() + 28);
    std::uint64_t rowBytes = width;
    switch (bitsPerPixel) {
        case 1: case 4: case 8: case 16: case 24: case 32:
            rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    }
    // Beyond any file; the bitmap is then not complete.
    constexpr std::uint64_t kHuge = std::uint64_t{1} << 62;
    return height != 0 && rowBytes > kHuge / height ? kHuge : rowBytes * height;
}

}  // namespace

CommentArea FindCommentArea(std::span<const std::uint8_t> bytes) {
    CommentArea area;
    area.hasTileset = bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M';
    constexpr std::size_t kFieldsEnd = 38;  // the image-size field is the last one read
    constexpr std::uint32_t kHeadersEnd = 54;  // the file header and the info header whose fields are read
    if (!area.hasTileset || bytes.size() < kFieldsEnd) return area;
    std::uint32_t pixelOffset = ReadU32(bytes.data() + 10);
    area.pixelEnd = pixelOffset + PixelSize(bytes);
    area.declaredEnd = ReadU32(bytes.data() + 2);
    area.end = std::min<std::uint64_t>(area.declaredEnd, bytes.size());
    // A file shorter than its size field says cannot tell its comments from what follows them (a level's
    // records); rewriting would take those for comments. Pixels said to begin inside the headers would have the
    // new comments written over the header.
    area.complete = pixelOffset >= kHeadersEnd && area.pixelEnd <= area.declaredEnd &&
                    area.declaredEnd <= bytes.size();
    area.section = FindExtendedLevelData(bytes, static_cast<std::size_t>(std::min(area.pixelEnd, area.end)),
                                         static_cast<std::size_t>(area.end));
    return area;
}

}  // namespace vetra::convert
