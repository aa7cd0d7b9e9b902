#include "widgets/decodedtileset.h"

#include <QFile>
#include <QImage>
#include <algorithm>

#include "formats/bitmapheader.h"
#include "util/fileerror.h"

namespace vetra::widgets {
namespace {

constexpr qint64 kReadLimit = 64 * 1024 * 1024;
constexpr int kWidth = 304;
constexpr int kRows = 160;

QImage Decode(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) throw FileError(path, "cannot be read");
    if (file.size() > kReadLimit) throw FileError(path, "is too large for a tileset");
    QImage image = QImage::fromData(file.readAll(), "BMP");
    if (image.isNull()) throw FileError(path, "cannot be decoded as a bitmap");
    if (image.width() != kWidth) throw FileError(path, "is not 304 pixels wide");
    return image;
}

}  // namespace

TilesetBytes DecodedTilesetBytes(const std::string& path) {
    QImage image = Decode(path)
                       .copy(0, 0, kWidth, kRows)  // rows below a shorter picture come out black
                       .convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    if (image.isNull()) throw FileError(path, "cannot be decoded as a bitmap");
    TilesetBytes tileset;
    BitmapHeaderBytes header = TilesetHeader(kRows);
    tileset.head.assign(header.begin(), header.end());
    tileset.head.resize(kTilesetHeadSize, 0);
    const QList<QRgb> colours = image.colorTable();
    for (qsizetype i = 0; i < std::min<qsizetype>(colours.size(), 256); ++i) {
        std::uint8_t* entry = tileset.head.data() + kBitmapHeaderSize + 4 * i;
        entry[0] = static_cast<std::uint8_t>(qBlue(colours[i]));
        entry[1] = static_cast<std::uint8_t>(qGreen(colours[i]));
        entry[2] = static_cast<std::uint8_t>(qRed(colours[i]));
    }
    // Stored bottom row first, as in the file.
    tileset.pixels.resize(static_cast<std::size_t>(kWidth) * kRows);
    for (int y = 0; y < kRows; ++y)
        std::copy_n(image.constScanLine(y), kWidth, tileset.pixels.begin() + (kRows - 1 - y) * kWidth);
    return tileset;
}

}  // namespace vetra::widgets
