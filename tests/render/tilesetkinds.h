#pragma once

// Tilesets of every kind the renderer reads, all showing one picture, so that a test can say what each tile
// must look like whichever kind it came from.
#include <cstdint>
#include <string>
#include <vector>

#include "formats/level.h"
#include "formats/mappalette.h"
#include "util/fileio.h"

namespace vetra::test {

enum class TilesetKind { Indexed8, Rle8, Rgb24, Rgb32 };

// The palette of the indexed kinds; the direct-colour kinds store the same colours.
inline Rgb KindColour(int index) {
    return Rgb{static_cast<std::uint8_t>(index), static_cast<std::uint8_t>(255 - index),
               static_cast<std::uint8_t>((index * 7) & 255)};
}

// Tile t: its top half index t, its bottom half index 0 on the left and 255 on the right.
inline int KindIndex(int t, int u, int v) { return v < 8 ? t : (u < 8 ? 0 : 255); }

inline Bytes KindTileset(TilesetKind kind, int height = 160) {
    int bits = kind == TilesetKind::Rgb24 ? 24 : kind == TilesetKind::Rgb32 ? 32 : 8;
    bool indexed = bits == 8;
    std::size_t stride = (304 * bits / 8 + 3) / 4 * 4;
    // Stored rows, bottom first.
    std::vector<Bytes> rows;
    for (int stored = 0; stored < height; ++stored) {
        int y = height - 1 - stored;
        Bytes row(stride, 0);
        for (int x = 0; x < 304; ++x) {
            int t = (y / 16) * 19 + x / 16 + 1;
            int index = KindIndex(t, x % 16, y % 16);
            if (indexed) {
                row[x] = static_cast<std::uint8_t>(index);
            } else {
                Rgb c = KindColour(index);
                std::uint8_t* p = row.data() + x * (bits / 8);
                p[0] = c.blue, p[1] = c.green, p[2] = c.red;
            }
        }
        rows.push_back(row);
    }
    Bytes pixels;
    if (kind == TilesetKind::Rle8) {
        for (const Bytes& row : rows) {
            for (std::size_t x = 0; x < 304;) {
                std::size_t run = 1;
                while (x + run < 304 && run < 255 && row[x + run] == row[x]) ++run;
                pixels.push_back(static_cast<std::uint8_t>(run)), pixels.push_back(row[x]);
                x += run;
            }
            pixels.push_back(0), pixels.push_back(0);
        }
        pixels.push_back(0), pixels.push_back(1);
    } else {
        for (const Bytes& row : rows) pixels.insert(pixels.end(), row.begin(), row.end());
    }
    std::size_t offset = 54 + (indexed ? 1024 : 0);
    Bytes bytes(offset, 0);
    bytes[0] = 'B', bytes[1] = 'M';
    WriteU32(&bytes[2], static_cast<std::uint32_t>(offset + pixels.size()));
    WriteU32(&bytes[10], static_cast<std::uint32_t>(offset));
    WriteU32(&bytes[14], 40);
    WriteU32(&bytes[18], 304);
    WriteU32(&bytes[22], static_cast<std::uint32_t>(height));
    WriteU16(&bytes[26], 1);
    WriteU16(&bytes[28], static_cast<std::uint16_t>(bits));
    WriteU32(&bytes[30], kind == TilesetKind::Rle8 ? 1 : 0);
    WriteU32(&bytes[34], static_cast<std::uint32_t>(pixels.size()));
    if (indexed)
        for (int i = 0; i < 256; ++i) {
            Rgb c = KindColour(i);
            bytes[54 + 4 * i] = c.blue, bytes[55 + 4 * i] = c.green, bytes[56 + 4 * i] = c.red;
        }
    bytes.insert(bytes.end(), pixels.begin(), pixels.end());
    return bytes;
}

}  // namespace vetra::test
