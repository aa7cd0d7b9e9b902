#pragma once

#include <QImage>
#include <cstdint>
#include <span>

namespace vetra::widgets {

// The picture of 8-bit pixel rows stored bottom first, coloured by a bitmap's 1024-byte palette (blue, green,
// red, 0). Returns a null image when the bytes are fewer than the size asks for.
QImage IndexedImage(std::span<const std::uint8_t> palette, std::span<const std::uint8_t> pixels, int width,
                    int height);

}  // namespace vetra::widgets
