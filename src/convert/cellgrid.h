#pragma once

#include <cstdint>
#include <vector>

namespace vetra::convert {

// Which list entry lies at each cell of the map, so that a search for a position is one look-up; the lists
// it serves never hold two entries at one position. Positions outside the map hold nothing.
class CellGrid {
public:
    static constexpr std::int32_t kNone = -1;

    CellGrid() : entries_(1024 * 1024, kNone) {}

    std::int32_t At(int x, int y) const {
        return Inside(x, y) ? entries_[static_cast<std::size_t>(y) * 1024 + x] : kNone;
    }
    void Set(int x, int y, std::int32_t entry) {
        if (Inside(x, y)) entries_[static_cast<std::size_t>(y) * 1024 + x] = entry;
    }

    static bool Inside(int x, int y) { return x >= 0 && x < 1024 && y >= 0 && y < 1024; }

private:
    std::vector<std::int32_t> entries_;
};

}  // namespace vetra::convert
