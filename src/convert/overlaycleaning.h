#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

#include "formats/tiles.h"

// The cleaning step shared by the overlay merge and the diff: a record stands for the top-left corner of its
// object, and every later record under that object is removed (its tile set to 0). Never fails.
namespace vetra::convert {

// The side of the square an object covers. Tiles without a meaning in a level count as one cell.
inline int ObjectSize(std::uint8_t tile) { return std::max(1, tiles::TileSize(tile)); }

// Removes, for each record i in order, every later record with a tile whose place lies in the s x s square at
// record i's place. The records must be sorted by y, then x. A record whose tile is 0 covers its own place when
// emptyCovers is set, else nothing. progress(i, removedSoFar) is called before every 1024th record i.
// Returns the number of records removed.
template <class Record, class Progress>
std::size_t RemoveCoveredRecords(std::span<Record> records, bool emptyCovers, Progress progress) {
    auto before = [](const Record& r, std::pair<std::int32_t, std::int32_t> place) {
        return r.y < place.first || (r.y == place.first && r.x < place.second);
    };
    std::size_t removed = 0;
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (i % 1024 == 0) progress(i, removed);
        if (records[i].tile == 0 && !emptyCovers) continue;
        const std::int32_t x = records[i].x;
        const std::int32_t y = records[i].y;
        const int s = ObjectSize(records[i].tile);
        // Only the s rows from y down can hold covered records, and within a row only s places from x on;
        // the rest of a long row is skipped rather than walked record by record.
        for (int dy = 0; dy < s; ++dy) {
            auto first = records.begin() + static_cast<std::ptrdiff_t>(i) + 1;
            if (dy > 0) first = std::lower_bound(first, records.end(), std::pair(y + dy, x), before);
            for (auto j = first; j != records.end() && j->y == y + dy && j->x - x < s; ++j) {
                if (j->tile != 0) {
                    j->tile = 0;
                    ++removed;
                }
            }
        }
    }
    return removed;
}

}  // namespace vetra::convert
