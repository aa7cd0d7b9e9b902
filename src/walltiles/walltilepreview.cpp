#include "walltiles/walltilepreview.h"

#include <algorithm>

#include "formats/bitmapheader.h"
#include "widgets/indexedimage.h"

namespace vetra::walltiles {
namespace {

constexpr int kWidth = 64;
constexpr int kHeight = 80;
constexpr std::size_t kTilesetRow = 304;

// The block of slot s, its rows stored bottom first like the tileset's.
void FillSlot(Bytes& pixels, int slot, const widgets::TilesetBytes& tileset, int tile) {
    int column = slot % 4;
    int rowFromBottom = 4 - slot / 4;
    bool fromTileset = tile >= 1 && tile <= 190 && tileset.pixels.size() >= kTilesetPixelSize;
    for (int d = 0; d < 16; ++d) {
        auto target = pixels.begin() + (16 * rowFromBottom + d) * kWidth + 16 * column;
        if (fromTileset) {
            int r = (tile - 1) / 19, c = (tile - 1) % 19;
            auto source =
                tileset.pixels.begin() + (9 - r) * widgets::kTileRowBytes + 16 * c + d * kTilesetRow;
            std::copy(source, source + 16, target);
        } else {
            int y = 15 - d;  // counted from the block's top
            for (int x = 0; x < 16; ++x) target[x] = static_cast<std::uint8_t>(16 * y + x);
        }
    }
}

}  // namespace

QImage WallTilePreview(const widgets::TilesetBytes& tileset, const WallTileDefinition& definition) {
    Bytes pixels(static_cast<std::size_t>(kWidth) * kHeight, 0);
    for (int slot = 0; slot < WallTileDefinition::kSlots; ++slot)
        FillSlot(pixels, slot, tileset, definition.tiles[slot]);
    Bytes palette(kPaletteSize, 0);
    if (tileset.head.size() >= widgets::kTilesetHeadSize)
        std::copy(tileset.head.begin() + 54, tileset.head.begin() + 54 + kPaletteSize, palette.begin());
    return widgets::IndexedImage(palette, pixels, kWidth, kHeight);
}

}  // namespace vetra::walltiles
