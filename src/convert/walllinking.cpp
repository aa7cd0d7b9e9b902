#include "convert/walllinking.h"

#include "convert/cellgrid.h"

namespace vetra::convert {
namespace {

constexpr std::uint8_t kNorth = 1, kWest = 2, kEast = 4, kSouth = 8;

// How a band through a corner is untangled: step A looks up the diagonal (dx, dy), step B down it.
struct UntangleRow {
    std::uint8_t mask;
    int dx, dy;
    std::uint8_t mA, xA;
    int aX, aY;
    std::uint8_t xB, mB, xC;
    int bX, bY;
    std::uint8_t xD;
};

// Every search direction of the table is implied by the positions: the members sought in step A lie in
// earlier rows or to the left, those of step B in later rows or to the right, so a position look-up finds
// exactly the member the ordered scans would.
constexpr UntangleRow kUntangle[] = {
    {3, +1, -1, 7, 4, 0, +1, 2, 11, 8, +1, 0, 1},
    {5, -1, -1, 7, 2, 0, +1, 4, 13, 8, -1, 0, 1},
    {10, -1, -1, 11, 1, +1, 0, 8, 14, 4, 0, -1, 2},
    {12, +1, -1, 13, 1, -1, 0, 8, 14, 2, 0, -1, 4},
};

bool IsCorner(std::uint8_t mask) { return mask == 3 || mask == 5 || mask == 10 || mask == 12; }

// The members of one WallTile with a look-up by position.
class MemberMap {
public:
    MemberMap(std::vector<WallTileMember>& members, CellGrid& grid) : members_(members), grid_(grid) {
        for (std::size_t k = 0; k < members_.size(); ++k)
            grid_.Set(members_[k].x, members_[k].y, static_cast<std::int32_t>(k));
    }
    ~MemberMap() {
        for (const WallTileMember& member : members_) grid_.Set(member.x, member.y, CellGrid::kNone);
    }
    MemberMap(const MemberMap&) = delete;
    MemberMap& operator=(const MemberMap&) = delete;

    WallTileMember* At(int x, int y) {
        std::int32_t k = grid_.At(x, y);
        return k == CellGrid::kNone ? nullptr : &members_[k];
    }

private:
    std::vector<WallTileMember>& members_;
    CellGrid& grid_;
};

class MarkerTest {
public:
    MarkerTest(std::span<const std::uint8_t> pixels, int w) : pixels_(pixels), marker_(255 - w) {}
    bool operator()(int x, int y) const {
        return CellGrid::Inside(x, y) && pixels_[static_cast<std::size_t>(1023 - y) * 1024 + x] == marker_;
    }

private:
    std::span<const std::uint8_t> pixels_;
    int marker_;
};

void ConnectMasks(ProgressTitle& title, std::vector<WallTileMember>& members, MemberMap& map) {
    const std::size_t n = members.size();
    for (std::size_t k = 1; k <= n; ++k) {
        if (k % 1024 == 1)
            title.ShowFigure(static_cast<long long>(k) * 100 / static_cast<long long>(n), "% complete...");
        WallTileMember& a = members[k - 1];
        if (WallTileMember* east = map.At(a.x + 1, a.y)) {
            a.mask |= kEast;
            east->mask |= kWest;
        }
        if (WallTileMember* south = map.At(a.x, a.y + 1)) {
            a.mask |= kSouth;
            south->mask |= kNorth;
        }
    }
}

void StepUp(const UntangleRow& row, const WallTileMember& e, MemberMap& map, const MarkerTest& marker) {
    int x1 = e.x + row.dx, y1 = e.y + row.dy;
    if (!marker(e.x + 2 * row.dx, e.y + 2 * row.dy) || !marker(x1, y1)) return;
    WallTileMember* d1 = map.At(x1, y1);
    if (d1 == nullptr || d1->mask != row.mA) return;
    WallTileMember* d2 = map.At(d1->x + row.dx, d1->y + row.dy);
    if (d2 == nullptr) return;
    d1->mask ^= row.xA;
    if (WallTileMember* k = map.At(d2->x + row.aX, d2->y + row.aY)) k->mask ^= row.xB;
}

void StepDown(const UntangleRow& row, const WallTileMember& e, MemberMap& map, const MarkerTest& marker) {
    int x1 = e.x - row.dx, y1 = e.y - row.dy;
    if (!marker(e.x - 2 * row.dx, e.y - 2 * row.dy) || !marker(x1, y1)) return;
    WallTileMember* f1 = map.At(x1, y1);
    if (f1 == nullptr || f1->mask != row.mB) return;
    WallTileMember* f2 = map.At(f1->x - row.dx, f1->y - row.dy);
    if (f2 == nullptr) return;
    f1->mask ^= row.xC;
    if (WallTileMember* k = map.At(f2->x + row.bX, f2->y + row.bY)) k->mask ^= row.xD;
}

void UntangleBands(std::vector<WallTileMember>& members, MemberMap& map, const MarkerTest& marker) {
    for (WallTileMember& e : members) {
        for (const UntangleRow& row : kUntangle) {
            if (e.mask != row.mask) continue;
            StepUp(row, e, map, marker);
            StepDown(row, e, map, marker);
            break;
        }
    }
}

void Export(std::vector<MapCell>& cells, const std::vector<WallTileMember>& members,
            const WallTileEntries& entries) {
    for (const WallTileMember& member : members) cells[member.cellIndex].tile = entries[member.mask];
}

// The diagonal code a corner becomes when a diagonal neighbour is the same corner (or has already become
// its code); 0 when it has no such neighbour.
std::uint8_t DiagonalCode(const WallTileMember& e, MemberMap& map) {
    int rising =
        (e.mask == 3 || e.mask == 12) ? 1 : -1;  // partners up-right and down-left, or up-left and down-right
    std::uint8_t code = e.mask == 3 ? 17 : e.mask == 5 ? 19 : e.mask == 10 ? 18 : 16;
    for (WallTileMember* f : {map.At(e.x + rising, e.y - 1), map.At(e.x - rising, e.y + 1)})
        if (f != nullptr && (f->mask == e.mask || f->mask == code)) return code;
    return 0;
}

void CompleteStep(std::vector<MapCell>& cells, std::vector<WallTileMember>& members, std::size_t e,
                  const WallTileEntries& entries) {
    const WallTileMember& self = members[e];
    WallTileMember* beside = nullptr;
    if ((self.mask == 16 || self.mask == 19) && e + 1 < members.size()) beside = &members[e + 1];
    if ((self.mask == 17 || self.mask == 18) && e > 0) beside = &members[e - 1];
    if (beside == nullptr || beside->y != self.y ||
        beside->x != self.x + (self.mask == 16 || self.mask == 19 ? 1 : -1))
        return;
    std::uint8_t before = beside->mask;
    if (self.mask == 16 || self.mask == 19)
        beside->mask = before == 3 ? 17 : before == 10 ? 18 : before;
    else
        beside->mask = before == 5 ? 19 : before == 12 ? 16 : before;
    if (beside->mask != before) cells[beside->cellIndex].tile = entries[beside->mask];
}

void CreateDiagonals(std::vector<MapCell>& cells, std::vector<WallTileMember>& members, MemberMap& map,
                     const WallTileEntries& entries) {
    for (std::size_t e = 0; e < members.size(); ++e) {
        if (!IsCorner(members[e].mask)) continue;
        std::uint8_t code = DiagonalCode(members[e], map);
        if (code == 0) continue;
        members[e].mask = code;
        cells[members[e].cellIndex].tile = entries[code];
        CompleteStep(cells, members, e, entries);
    }
}

}  // namespace

void LinkWallTiles(ProgressTitle& title, std::vector<MapCell>& cells,
                   std::vector<std::vector<WallTileMember>>& members, std::span<const std::uint8_t> pixels,
                   const ConverterWallTiles& wallTiles) {
    const int count = std::min(wallTiles.Count(), static_cast<int>(members.size()));
    title.Show("Converting WallTiles...");
    for (auto& list : members) list.shrink_to_fit();

    title.Show("Connecting WallTiles...");
    if (count == 0) {
        title.Show("Exporting WallTiles...");
        title.Show("Creating diagonals...");
        return;
    }
    CellGrid grid;
    for (int w = 0; w < count; ++w) {
        MemberMap map(members[w], grid);
        ConnectMasks(title, members[w], map);
        UntangleBands(members[w], map, MarkerTest(pixels, w));
    }

    title.Show("Exporting WallTiles...");
    for (int w = 0; w < count; ++w) Export(cells, members[w], wallTiles.definitions[w]);

    title.Show("Creating diagonals...");
    for (int w = 0; w < count; ++w) {
        if (!wallTiles.diagonals[w]) continue;
        MemberMap map(members[w], grid);
        CreateDiagonals(cells, members[w], map, wallTiles.definitions[w]);
    }
}

}  // namespace vetra::convert
