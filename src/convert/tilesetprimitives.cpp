#include "convert/tilesetprimitives.h"

#include <algorithm>
#include <optional>

#include "convert/defaultpalette.h"
#include "formats/bitmapheader.h"
#include "formats/level.h"

namespace vetra::convert {
namespace {

// Writes the bytes at the offset as a file would: over what stands there, growing it where it ends.
void WriteAt(Bytes& file, std::size_t offset, std::span<const std::uint8_t> bytes) {
    if (file.size() < offset + bytes.size()) file.resize(offset + bytes.size());
    std::copy(bytes.begin(), bytes.end(), file.begin() + static_cast<std::ptrdiff_t>(offset));
}

// The file-size field and the reserved bytes: offsets 2 to 9.
constexpr std::size_t kKeptStart = 2;
constexpr std::size_t kKeptEnd = 10;

// Why the standard header and palette cannot go over this tileset, or "" when they can. A copy too short for
// a header is cleaned all the same, as before: there is no layout to ruin.
std::string CleaningRefusal(std::span<const std::uint8_t> copy) {
    std::optional<BitmapInfo> header = ReadBitmapInfo(copy);
    if (!header) return {};
    if (header->bitsPerPixel != 8 || header->compression != 0)
        return "the tileset is not an 8-bit uncompressed bitmap";
    if (header->pixelOffset != kPixelOffset) return "the tileset's colour table is not the full 256 colours";
    return {};
}

}  // namespace

bool WriteTilesetHeader(Bytes& file, std::uint8_t height) {
    if (height > kLargestTilesetHeight) return false;
    WriteAt(file, 0, TilesetHeader(height));
    return true;
}

void WriteDefaultPalette(Bytes& file) { WriteAt(file, kBitmapHeaderSize, DefaultPaletteTable()); }

std::uint32_t CopyTileset(std::span<const std::uint8_t> source, Bytes& destination) {
    if (source.size() < 6) return 0;
    std::uint32_t size = ReadU32(source.data() + 2);
    if (size > source.size()) return 0;
    WriteAt(destination, 0, source.first(size));
    return size;
}

bool CleanTilesetCopy(Bytes& copy, std::uint8_t height) {
    // A copy cut short inside the kept fields keeps what it has of them.
    std::size_t keptEnd = std::min(copy.size(), kKeptEnd);
    Bytes kept = keptEnd > kKeptStart ? Bytes(copy.begin() + kKeptStart, copy.begin() + keptEnd) : Bytes{};
    bool headerWritten = WriteTilesetHeader(copy, height);
    WriteDefaultPalette(copy);
    if (headerWritten) WriteAt(copy, kKeptStart, kept);
    return headerWritten;
}

void CleanTilesetCopyIfChosen(bool clean, FileResult& result, ProgressTitle& title, Bytes& copy,
                              std::uint8_t height, const std::string& path) {
    if (!clean) return;
    if (std::string refusal = CleaningRefusal(copy); !refusal.empty()) {
        result.FramedNote(path + ": " + refusal + "; its palette was left unchanged.");
        return;
    }
    title.Show("Cleaning pallette...");
    if (!CleanTilesetCopy(copy, height))
        result.Add({NoticeKind::Note, NoticeDisplay::MessageBox, path, {},
                    path + ": the tileset's height of " + std::to_string(height) +
                        " rows is more than a tileset header can hold (" + std::to_string(kLargestTilesetHeight) +
                        "); its header was left unchanged and only its palette was replaced."});
}

}  // namespace vetra::convert
