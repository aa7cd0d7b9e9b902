#include "formats/tilesetinspection.h"

#include <algorithm>
#include <cstdlib>

#include "formats/level.h"

namespace vetra {
namespace {

std::optional<std::uint64_t> PixelSize(const BitmapInfo& h) {
    bool uncompressed = h.compression == 0 || h.compression == 3;
    if (!uncompressed) return h.imageSize != 0 ? std::optional<std::uint64_t>(h.imageSize) : std::nullopt;
    // Rows are padded to 4 bytes; the image-size field is often off by the two bytes of padding that follow.
    std::uint64_t width = static_cast<std::uint64_t>(std::llabs(h.width));
    // Capped so that a nonsense header cannot overflow; it still lands far past any real file.
    std::uint64_t stride = std::min<std::uint64_t>((width * h.bitsPerPixel + 31) / 32 * 4, 1ull << 31);
    return stride * static_cast<std::uint64_t>(std::llabs(h.height));
}

bool Printable(std::uint8_t c) { return c >= 0x20 ? c != 0x7F : c == '\r' || c == '\n' || c == '\t'; }

// Text with zero bytes around it; "" when the bytes are anything else.
std::optional<std::string> TextBetweenZeros(std::span<const std::uint8_t> area) {
    auto first = std::find_if(area.begin(), area.end(), [](std::uint8_t c) { return c != 0; });
    auto last = std::find_if(area.rbegin(), area.rend(), [](std::uint8_t c) { return c != 0; }).base();
    if (first >= last || !std::all_of(first, last, Printable)) return std::nullopt;
    return std::string(first, last);
}

void ClassifyArea(std::span<const std::uint8_t> area, TilesetInspection& t) {
    t.zerosBefore = static_cast<std::size_t>(
        std::find_if(area.begin(), area.end(), [](std::uint8_t c) { return c != 0; }) - area.begin());
    if (t.zerosBefore == area.size()) {
        t.behind = BehindPixels::Nothing;
    } else if (auto text = TextBetweenZeros(area)) {
        t.behind = BehindPixels::Text;
        t.text = *text;
    } else {
        t.behind = BehindPixels::Other;
    }
}

void LookBehindPixels(std::span<const std::uint8_t> bytes, TilesetInspection& t) {
    std::size_t areaEnd = std::min<std::size_t>(t.declaredSize, bytes.size());
    std::size_t searchFrom = t.pixelEnd
                                 ? static_cast<std::size_t>(std::min<std::uint64_t>(*t.pixelEnd, areaEnd))
                                 : std::min<std::size_t>(t.header.pixelOffset, areaEnd);
    t.extended = FindExtendedLevelData(bytes, searchFrom, areaEnd);
    if (!t.pixelEnd) {
        t.behind = t.extended ? BehindPixels::ExtendedLevelData : BehindPixels::Unknown;
        if (t.extended) {
            t.behindStart = t.extended->offset;
            t.behindLength = areaEnd - t.extended->offset;
        }
        return;
    }
    std::uint64_t limit = std::min<std::uint64_t>(t.declaredSize, bytes.size());
    if (*t.pixelEnd > limit) t.pixelOverrun = *t.pixelEnd - limit;
    t.behindStart = searchFrom;
    t.behindLength = areaEnd - searchFrom;
    if (t.extended) {
        ClassifyArea(bytes.subspan(t.behindStart, t.extended->offset - t.behindStart), t);
        t.behind = BehindPixels::ExtendedLevelData;
    } else {
        ClassifyArea(bytes.subspan(t.behindStart, t.behindLength), t);
    }
}

}  // namespace

TilesetInspection InspectTileset(std::span<const std::uint8_t> bytes) {
    TilesetInspection t;
    auto header = ReadBitmapInfo(bytes);
    if (bytes.size() >= 6) t.declaredSize = header ? header->fileSize : ReadU32(bytes.data() + 2);
    t.beyondEnd = bytes.size() < 6 || t.declaredSize > bytes.size();
    if (!header) return t;
    t.headerComplete = true;
    t.header = *header;
    if (auto size = PixelSize(t.header)) t.pixelEnd = t.header.pixelOffset + *size;
    LookBehindPixels(bytes, t);
    return t;
}

}  // namespace vetra
