#include "widgets/indexedimage.h"

#include <cstring>

namespace vetra::widgets {

QImage IndexedImage(std::span<const std::uint8_t> palette, std::span<const std::uint8_t> pixels, int width,
                    int height) {
    auto rowBytes = static_cast<std::size_t>(width);
    if (width <= 0 || height <= 0 || palette.size() < 1024 || pixels.size() < rowBytes * height) return {};
    QImage image(width, height, QImage::Format_Indexed8);
    QList<QRgb> colours(256);
    for (int i = 0; i < 256; ++i) colours[i] = qRgb(palette[4 * i + 2], palette[4 * i + 1], palette[4 * i]);
    image.setColorTable(colours);
    for (int y = 0; y < height; ++y)
        std::memcpy(image.scanLine(y), pixels.data() + rowBytes * (height - 1 - y), rowBytes);
    return image;
}

}  // namespace vetra::widgets
