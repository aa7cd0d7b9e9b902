#pragma once

#include <algorithm>
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

#include "formats/bitmapheader.h"
#include "formats/level.h"
#include "formats/mappalette.h"

namespace vetra::test {

// A map bitmap drawn cell by cell, and the records of a level read back by position.
class MapPicture {
public:
    MapPicture() : pixels_(1024 * 1024, 0) {}

    MapPicture& Put(int x, int y, std::uint8_t value) {
        pixels_[static_cast<std::size_t>(1023 - y) * 1024 + x] = value;
        return *this;
    }
    const std::vector<std::uint8_t>& Pixels() const { return pixels_; }

    std::vector<std::uint8_t> File() const {
        BitmapHeaderBytes header = MapBitmapHeader();
        std::vector<std::uint8_t> bytes(header.begin(), header.end());
        auto palette = MapPaletteTable();
        bytes.insert(bytes.end(), palette.begin(), palette.end());
        bytes.insert(bytes.end(), pixels_.begin(), pixels_.end());
        return bytes;
    }

private:
    std::vector<std::uint8_t> pixels_;
};

inline std::vector<TileRecord> Records(const std::vector<std::uint8_t>& level) {
    std::vector<TileRecord> records;
    for (std::size_t at = 0; at + 4 <= level.size(); at += 4)
        records.push_back(TileRecord::Decode(&level[at]));
    return records;
}

// Tile by position, for tests that do not care about the order of the records.
inline std::map<std::pair<int, int>, int> TilesByPosition(const std::vector<std::uint8_t>& level) {
    std::map<std::pair<int, int>, int> tiles;
    for (const TileRecord& record : Records(level)) tiles[{record.x, record.y}] = record.tile;
    return tiles;
}

}  // namespace vetra::test
