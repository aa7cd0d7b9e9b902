#include "widgets/tilesetbytes.h"

#include <array>
#include <fstream>
#include <optional>

#include "formats/bitmapheader.h"
#include "util/nativepath.h"

namespace vetra::widgets {

Bytes TilesetBytes::Joined() const {
    Bytes bitmap = head;
    bitmap.insert(bitmap.end(), pixels.begin(), pixels.end());
    return bitmap;
}

TilesetBytes ReadTilesetBytes(const std::string& path) {
    std::ifstream file(NativePath(path), std::ios::binary);
    if (!file) throw FileError(path, "cannot be opened");
    TilesetBytes tileset;
    tileset.head.resize(kTilesetHeadSize);
    if (!file.read(reinterpret_cast<char*>(tileset.head.data()), kTilesetHeadSize))
        throw FileError(path, "is too short for a tileset");
    std::size_t rows = tileset.head[22] / 16;
    std::size_t wanted = rows < 10 ? rows * kTileRowBytes : kTilesetPixelSize;
    tileset.pixels.assign(kTilesetPixelSize, 0);
    if (!file.read(reinterpret_cast<char*>(tileset.pixels.data()), static_cast<std::streamsize>(wanted)))
        throw FileError(path, "is shorter than the tiles it declares");
    return tileset;
}

bool HoldsRaw8BitPixels(const std::string& path) {
    std::ifstream file(NativePath(path), std::ios::binary);
    std::array<std::uint8_t, kBitmapHeaderSize> header{};
    if (!file.read(reinterpret_cast<char*>(header.data()), header.size())) return true;
    std::optional<BitmapInfo> info = ReadBitmapInfo(header);
    return info->bitsPerPixel == 8 && info->compression == 0 && info->pixelOffset == kTilesetHeadSize;
}

void DescribeFullTileset(Bytes& head) {
    head[2] = 54;
    head[3] = 194;
    head[18] = 48;
    head[19] = 1;
    head[22] = 160;
    head[23] = 0;
    head[34] = 0;
    head[35] = 190;
}

}  // namespace vetra::widgets
