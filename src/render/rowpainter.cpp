#include "render/rowpainter.h"

#include <algorithm>

#include "formats/mappalette.h"
#include "formats/tiles.h"

namespace vetra::render {
namespace {

// Tiles with no picture: a yellow cross on dark grey, so that they stand out at every size.
constexpr Rgb kMarkBack{0x40, 0x40, 0x40};
constexpr Rgb kMarkCross{0xFF, 0xE0, 0x00};

Rgb Darker(Rgb colour) {
    return Rgb{static_cast<std::uint8_t>(colour.red / 2), static_cast<std::uint8_t>(colour.green / 2),
               static_cast<std::uint8_t>(colour.blue / 2)};
}

bool IsObject(int tile) { return tile >= 216 && tile <= 220; }
bool HasPicture(int tile) { return tile >= 1 && tile <= 190; }

void Fill(std::uint8_t* out, int count, Rgb colour) {
    for (int i = 0; i < count; ++i, out += 3)
        out[0] = colour.red, out[1] = colour.green, out[2] = colour.blue;
}

// Row v (0..size-1) of one cell, `size` pixels wide.
void PaintCellRow(const LevelPicture& picture, const Cell& cell, int size, int v, std::uint8_t* out) {
    const auto& palette = MapPaletteColours();
    int tile = cell.tile;
    if (tile == 0 || picture.FromMapBitmap()) return Fill(out, size, palette[tile]);
    if (HasPicture(tile)) {
        const auto& tiles = picture.Tiles();
        if (!tiles || tile > tiles->TileCount()) return Fill(out, size, palette[tile]);
        const Rgb* pixels = tiles->Tile(tile, size).data() + v * size;
        for (int u = 0; u < size; ++u, out += 3)
            out[0] = pixels[u].red, out[1] = pixels[u].green, out[2] = pixels[u].blue;
        return;
    }
    if (IsObject(tile)) {
        Rgb colour = palette[tile];
        int last = std::max(1, tiles::TileSize(tile)) - 1;
        bool edgeRow = size > 1 && ((cell.dy == 0 && v == 0) || (cell.dy == last && v == size - 1));
        if (edgeRow) return Fill(out, size, Darker(colour));
        Fill(out, size, colour);
        if (size > 1 && cell.dx == 0) Fill(out, 1, Darker(colour));
        if (size > 1 && cell.dx == last) Fill(out + 3 * (size - 1), 1, Darker(colour));
        return;
    }
    for (int u = 0; u < size; ++u, out += 3) {
        bool cross = u == v || u == size - 1 - v;
        Fill(out, 1, size == 1 || cross ? kMarkCross : kMarkBack);
    }
}

}  // namespace

bool IsCellSize(int pixels) {
    return std::find(std::begin(kCellSizes), std::end(kCellSizes), pixels) != std::end(kCellSizes);
}

void PaintRow(const LevelPicture& picture, const RenderView& view, int row, std::span<std::uint8_t> rgb) {
    int size = view.cellSize;
    int y = view.cells.top + row / size, v = row % size;
    std::uint8_t* out = rgb.data();
    for (int x = view.cells.left; x < view.cells.left + view.cells.width; ++x, out += 3 * size)
        PaintCellRow(picture, picture.At(x, y), size, v, out);
}

}  // namespace vetra::render
