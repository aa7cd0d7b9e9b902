#pragma once

#include <cstdint>
#include <span>

#include "render/levelpicture.h"

namespace vetra::render {

// The cell sizes pictures are drawn at, in pixels; 16 is the game's own.
inline constexpr int kCellSizes[] = {1, 2, 4, 8, 16};
bool IsCellSize(int pixels);

// A part of a picture drawn at one cell size.
struct RenderView {
    CellRect cells;
    int cellSize = 1;
    int Width() const { return cells.width * cellSize; }
    int Height() const { return cells.height * cellSize; }
};

// Draws pixel row `row` of the view (0 its top) as RGB triples into rgb (3 x view.Width() bytes). A picture
// of any size is drawn a row at a time, so memory stays at one row.
void PaintRow(const LevelPicture& picture, const RenderView& view, int row, std::span<std::uint8_t> rgb);

}  // namespace vetra::render
