#include "convert/makediff.h"

#include <vector>

#include "convert/mapcells.h"
#include "convert/overlaycleaning.h"
#include "convert/overlaylevel.h"
#include "convert/recordsort.h"
#include "util/host.h"
#include "util/resultreport.h"

namespace vetra::convert {
namespace {

bool SamePlace(const TileRecord& a, const TileRecord& b) { return a.x == b.x && a.y == b.y; }

// Each record of the unaltered level cancels at most one identical record of the edited one. The scan for the
// next unaltered record goes on from the last place it reached: both lists are sorted, so no earlier record of
// the edited level can be at that record's place. Returns how many records of edited were cancelled.
std::size_t CancelUnchanged(ProgressTitle& title, const std::vector<TileRecord>& unaltered,
                            std::vector<TileRecord>& edited) {
    const std::size_t n = unaltered.size();
    const std::size_t interval = n / 100;
    std::size_t cancelled = 0;
    std::size_t b = 0;
    for (std::size_t a = 0; a < n; ++a) {
        if (interval > 0 && a % interval == 0)
            title.ShowFigure(static_cast<long long>(a + 1) * 100 / static_cast<long long>(n + 1), "% diffed...");
        while (b < edited.size() && PlaceBefore(edited[b], unaltered[a])) ++b;
        if (b < edited.size() && SamePlace(edited[b], unaltered[a]) && edited[b].tile == unaltered[a].tile) {
            edited[b].tile = 0;
            ++cancelled;
        }
    }
    return cancelled;
}

void CleanDiff(ProgressTitle& title, std::vector<TileRecord>& records, std::size_t remaining) {
    title.Show("Cleaning...");
    RemoveCoveredRecords(std::span(records), false, [&](std::size_t i, std::size_t removed) {
        long long divisor = static_cast<long long>(remaining) - static_cast<long long>(removed) - 1;
        if (divisor > 0) title.ShowFigure(static_cast<long long>(i) * 100 / divisor, "% cleaned...");
    });
}

std::vector<TileRecord> SortedRecords(ProgressTitle& title, const OverlayLevel& level) {
    std::vector<TileRecord> records = ReadTileRecords(level.bytes, level.layout);
    SortTileRecords(title, records);
    return records;
}

// The diff in one pass over the map, for levels whose records each stand at a place of their own: the
// cancelling and the cleaning meet the records in the order the sorts would give them, with the same figures.
std::optional<Bytes> DiffOnMap(ProgressTitle& title, const OverlayLevel& unaltered,
                               const OverlayLevel& edited) {
    MapCells a, b;
    if (!a.Fill(unaltered) || !b.Fill(edited)) return std::nullopt;
    title.Show("Sorting data...");
    title.Show("Sorting data...");
    const long long n = static_cast<long long>(a.Count());
    const long long interval = n / 100;
    long long k = 0;
    std::size_t cancelled = 0;
    for (std::size_t cell = 0; cell < MapCells::kCells; ++cell) {
        if (!a.Holds(cell)) continue;
        if (interval > 0 && k % interval == 0) title.ShowFigure((k + 1) * 100 / (n + 1), "% diffed...");
        ++k;
        if (b.Holds(cell) && b.Tile(cell) == a.Tile(cell)) {
            b.Remove(cell);
            ++cancelled;
        }
    }
    title.Show("Cleaning...");
    const long long remaining = static_cast<long long>(b.Count() - cancelled);
    long long removed = 0, i = 0;
    for (std::size_t cell = 0; cell < MapCells::kCells; ++cell) {
        if (!b.Holds(cell)) continue;
        if (i % 1024 == 0 && remaining - removed - 1 > 0)
            title.ShowFigure(i * 100 / (remaining - removed - 1), "% cleaned...");
        ++i;
        if (b.Tile(cell) == 0) continue;
        ForEachCellOfSquare(cell, ObjectSize(b.Tile(cell)), [&](std::size_t covered) {
            if (covered == cell || !b.Holds(covered) || b.Tile(covered) == 0) return;
            b.Remove(covered);
            ++removed;
        });
    }
    Bytes out = TilesetHead(unaltered);
    std::size_t head = out.size();
    out.resize(head + 4 * b.Count());
    std::uint8_t* end = out.data() + head;
    for (std::size_t cell = 0; cell < MapCells::kCells; ++cell) end = b.PutRecord(cell, end);
    out.resize(static_cast<std::size_t>(end - out.data()));
    return out;
}

Bytes Diff(ProgressTitle& title, const OverlayLevel& unaltered, const OverlayLevel& edited) {
    if (std::optional<Bytes> diff = DiffOnMap(title, unaltered, edited)) return std::move(*diff);
    std::vector<TileRecord> a = SortedRecords(title, unaltered);
    std::vector<TileRecord> b = SortedRecords(title, edited);
    std::size_t remaining = b.size() - CancelUnchanged(title, a, b);
    CleanDiff(title, b, remaining);
    return LevelWithRecords(unaltered, std::span<const TileRecord>(b));
}

}  // namespace

FileResult MakeDiff(Progress& progress, const std::string& unaltered, const std::string& edited) {
    return WriteCombinedLevel(progress, unaltered, edited, Diff);
}

FileResult DiffLevels(Host& host, const std::string& unaltered, const std::string& edited) {
    host.ClearText();
    host.AddText("Processing file: " + unaltered);
    FileResult result = MakeDiff(host, unaltered, edited);
    ReportOutcome(host, result);
    host.MessageBox("Diff generation complete.");
    return result;
}

}  // namespace vetra::convert
