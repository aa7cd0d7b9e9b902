#include "convert/celllist.h"

#include <algorithm>
#include <optional>

#include "convert/cellgrid.h"
#include "formats/tilerecord.h"

namespace vetra::convert {
namespace {

constexpr int kMapSide = 1024;

// The side of the square an object covers from its top-left cell; 0 for every other tile above 190.
int FootprintSide(std::uint8_t tile) {
    switch (tile) {
        case 217:
            return 2;
        case 219:
            return 6;
        case 220:
            return 5;
        default:
            return 0;
    }
}

bool IsOneCellObject(std::uint8_t tile) { return tile == 216 || tile == 218; }

void EmptyFootprint(std::vector<MapCell>& cells, const CellGrid& grid, std::size_t anchor, int side) {
    const MapCell& corner = cells[anchor];
    for (int dy = 0; dy < side; ++dy)
        for (int dx = dy == 0 ? 1 : 0; dx < side; ++dx) {
            std::int32_t covered = grid.At(corner.x + dx, corner.y + dy);
            if (covered != CellGrid::kNone) cells[covered].tile = 0;
        }
}

CellGrid GridOf(const std::vector<MapCell>& cells) {
    CellGrid grid;
    for (std::size_t i = 0; i < cells.size(); ++i)
        grid.Set(cells[i].x, cells[i].y, static_cast<std::int32_t>(i));
    return grid;
}

}  // namespace

std::vector<MapCell> DistillCells(ProgressTitle& title, std::span<const std::uint8_t> pixels) {
    title.Show("Distilling bitmap...");
    std::vector<MapCell> cells;
    // Counted first, so that a full map's list is allocated once and never copied while it grows.
    auto map = pixels.first(static_cast<std::size_t>(kMapSide) * kMapSide);
    cells.reserve(map.size() - static_cast<std::size_t>(std::count(map.begin(), map.end(), 0)));
    for (int y = 0; y < kMapSide; ++y) {
        const std::uint8_t* row = pixels.data() + static_cast<std::size_t>(kMapSide - 1 - y) * kMapSide;
        for (int x = 0; x < kMapSide; ++x)
            if (row[x] != 0)
                cells.push_back(MapCell{static_cast<std::int16_t>(x), static_cast<std::int16_t>(y), row[x]});
        if (y % 102 == 0) title.ShowFigure(y * 100 / 1023, "% distilled");
    }
    return cells;
}

std::vector<std::vector<WallTileMember>> CleanCells(ProgressTitle& title, std::vector<MapCell>& cells,
                                                    int wallTileCount) {
    title.Show("Cleaning...");
    std::vector<std::vector<WallTileMember>> members(static_cast<std::size_t>(wallTileCount));
    std::optional<CellGrid> grid;  // built at the first object, as most maps have none
    const std::size_t count = cells.size();
    for (std::size_t i = 0; i < count; ++i) {
        MapCell& cell = cells[i];
        if (cell.tile > 190 && !IsOneCellObject(cell.tile)) {
            if (int side = FootprintSide(cell.tile); side > 0) {
                if (!grid) grid.emplace(GridOf(cells));
                EmptyFootprint(cells, *grid, i, side);
            } else if (int w = 255 - cell.tile; w < wallTileCount) {
                members[w].push_back(WallTileMember{static_cast<std::int32_t>(i),
                                                    static_cast<std::int16_t>(cell.x),
                                                    static_cast<std::int16_t>(cell.y), 0});
            } else {
                cell.tile = 0;
            }
        }
        if (i % 256 == 0) title.ShowFigure(static_cast<long long>(i + 1) * 100 / count, "% cleaned...");
    }
    return members;
}

void CollapseCells(ProgressTitle& title, std::vector<MapCell>& cells) {
    title.Show("Collapsing...");
    std::size_t kept = cells.size();  // cells at kept and beyond are gone
    std::size_t i = 0;
    while (i < kept) {
        if (cells[i].tile != 0) {
            ++i;
            continue;
        }
        cells[i] = cells[kept - 1];
        cells[kept - 1].tile = 0;
        --kept;
    }
    cells.resize(kept);
}

Bytes LevelRecordBytes(ProgressTitle& title, const std::vector<MapCell>& cells) {
    title.Show("Creating LVL data...");
    Bytes bytes(cells.size() * 4);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        auto record = TileRecord{cells[i].x, cells[i].y, cells[i].tile}.Encode();
        std::copy(record.begin(), record.end(), bytes.begin() + static_cast<std::ptrdiff_t>(i * 4));
        if (i % 256 == 0)
            title.ShowFigure(static_cast<long long>(i + 1) * 100 / static_cast<long long>(cells.size()),
                             "% written...");
    }
    return bytes;
}

}  // namespace vetra::convert
