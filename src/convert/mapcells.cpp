#include "convert/mapcells.h"

#include <algorithm>

namespace vetra::convert {

bool MapCells::Fill(const OverlayLevel& level) {
    if (level.layout.tilesetBeyondEnd) return false;
    const std::uint8_t* at = level.bytes.data() + level.layout.recordStart;
    for (std::size_t i = 0; i < level.layout.recordCount; ++i, at += 4) {
        TileRecord record = TileRecord::Decode(at);
        if (!record.InsideMap()) return false;
        std::size_t cell = static_cast<std::size_t>(record.y) * kSide + static_cast<std::size_t>(record.x);
        if (cells_[cell] != 0) return false;
        cells_[cell] = kPresent | record.tile;
    }
    count_ = level.layout.recordCount;
    return true;
}

std::uint8_t* MapCells::PutRecord(std::size_t cell, std::uint8_t* out) const {
    if ((cells_[cell] & 0xFF) == 0) return out;
    auto encoded = TileRecord{X(cell), Y(cell), Tile(cell)}.Encode();
    return std::copy(encoded.begin(), encoded.end(), out);
}

}  // namespace vetra::convert
