#include "render/levelpicture.h"

#include <algorithm>

#include "formats/tilerecord.h"
#include "formats/tiles.h"

namespace vetra::render {

void LevelPicture::Put(int x, int y, Cell cell) {
    cells_[static_cast<std::size_t>(y) * kMapCells + x] = cell;
    left_ = std::min(left_, x), right_ = std::max(right_, x);
    top_ = std::min(top_, y), bottom_ = std::max(bottom_, y);
}

LevelPicture LevelPicture::FromRecords(std::span<const TileRecord> records,
                                       std::optional<TilesetPixels> tiles) {
    LevelPicture picture;
    picture.tiles_ = std::move(tiles);
    for (const TileRecord& record : records) {
        if (!record.InsideMap() || record.tile == 0) continue;
        bool object = record.tile >= 216 && record.tile <= 220;
        int size = object ? std::max(1, tiles::TileSize(record.tile)) : 1;
        for (int dy = 0; dy < size && record.y + dy < kMapCells; ++dy)
            for (int dx = 0; dx < size && record.x + dx < kMapCells; ++dx)
                picture.Put(record.x + dx, record.y + dy,
                            Cell{record.tile, static_cast<std::uint8_t>(dx), static_cast<std::uint8_t>(dy)});
    }
    return picture;
}

LevelPicture LevelPicture::FromMapCells(std::vector<std::uint8_t> cells) {
    LevelPicture picture;
    picture.mapBitmap_ = true;
    for (int y = 0; y < kMapCells; ++y)
        for (int x = 0; x < kMapCells; ++x)
            if (std::uint8_t tile = cells[static_cast<std::size_t>(y) * kMapCells + x])
                picture.Put(x, y, Cell{tile});
    return picture;
}

CellRect LevelPicture::Occupied() const {
    if (right_ < 0) return CellRect{};
    int left = std::max(0, left_ - 1), top = std::max(0, top_ - 1);
    int right = std::min(kMapCells - 1, right_ + 1), bottom = std::min(kMapCells - 1, bottom_ + 1);
    return CellRect{left, top, right - left + 1, bottom - top + 1};
}

}  // namespace vetra::render
