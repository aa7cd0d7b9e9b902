#pragma once

#include <algorithm>
#include <utility>

namespace vetra::widgets {

// A block of tiles chosen by dragging over a tile grid: the cell where the drag began and the cell it has
// reached, in columns and rows. Negative corners mean nothing is chosen.
struct TileSelection {
    int x0 = -1, y0 = -1, x1 = -1, y1 = -1;

    void Start(int column, int row) {
        x0 = x1 = column;
        y0 = y1 = row;
    }
    // The far corner follows the mouse but stays on the grid.
    void ExtendTo(int column, int row, int columns, int rows) {
        x1 = std::clamp(column, 0, columns - 1);
        y1 = std::clamp(row, 0, rows - 1);
    }
    void Clear() { *this = TileSelection{}; }
    bool Held() const { return x0 >= 0 && y0 >= 0; }
    // Top left first, as the copying loops expect.
    void Order() {
        if (x0 > x1) std::swap(x0, x1);
        if (y0 > y1) std::swap(y0, y1);
    }
    void ClampTo(int columns, int rows) {
        x0 = std::clamp(x0, 0, columns - 1);
        x1 = std::clamp(x1, 0, columns - 1);
        y0 = std::clamp(y0, 0, rows - 1);
        y1 = std::clamp(y1, 0, rows - 1);
    }
    int ColumnSpan() const { return x1 - x0; }
    int RowSpan() const { return y1 - y0; }
};

}  // namespace vetra::widgets
