#include "tileset/tilesetpreview.h"

#include <QFile>
#include <algorithm>
#include <cstdint>
#include <span>

#include "formats/bitmapheader.h"
#include "widgets/indexedimage.h"

namespace vetra::tileset {
namespace {

constexpr qint64 kWholeReadLimit = 64 * 1024 * 1024;

std::span<const std::uint8_t> Bytes(const QByteArray& data) {
    return {reinterpret_cast<const std::uint8_t*>(data.constData()), static_cast<std::size_t>(data.size())};
}

bool IsPlain8Bit(const BitmapInfo& info) {
    return info.bitsPerPixel == 8 && info.compression == 0 && info.height > 0 &&
           info.pixelOffset >= 14 + static_cast<std::uint64_t>(info.infoSize) + kPaletteSize;
}

// The usual case read directly: only the palette and the top rows are read, after the file was found to hold
// every row it declares.
std::optional<QImage> Plain8BitPreview(QFile& file, const BitmapInfo& info, int rows) {
    const std::uint64_t rowBytes = (static_cast<std::uint64_t>(info.width) + 3) / 4 * 4;
    if (static_cast<std::uint64_t>(file.size()) < info.pixelOffset + rowBytes * info.height)
        return std::nullopt;
    if (!file.seek(14 + info.infoSize)) return std::nullopt;
    QByteArray palette = file.read(kPaletteSize);
    if (rows == 0) return QImage();
    if (!file.seek(static_cast<qint64>(info.pixelOffset + rowBytes * (info.height - rows))))
        return std::nullopt;
    QByteArray pixels = file.read(static_cast<qint64>(rowBytes * rows));
    QImage image = widgets::IndexedImage(Bytes(palette), Bytes(pixels), static_cast<int>(rowBytes), rows);
    if (image.isNull()) return std::nullopt;
    return image.copy(0, 0, info.width, rows);
}

// Other depths and layouts go through the toolkit's reader.
std::optional<QImage> DecodedPreview(QFile& file, int width) {
    if (file.size() > kWholeReadLimit || !file.seek(0)) return std::nullopt;
    QImage image = QImage::fromData(file.readAll(), "BMP");
    if (image.isNull()) return std::nullopt;
    int rows = std::min(160, image.height() / 16 * 16);
    return rows == 0 ? QImage() : image.copy(0, 0, width, rows);
}

}  // namespace

std::optional<QImage> TilesetPreview(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    std::optional<BitmapInfo> info = ReadBitmapInfo(Bytes(file.read(kBitmapHeaderSize)));
    if (!info || info->width <= 0) return std::nullopt;
    if (IsPlain8Bit(*info)) return Plain8BitPreview(file, *info, std::min(160, info->height / 16 * 16));
    return DecodedPreview(file, info->width);
}

}  // namespace vetra::tileset
