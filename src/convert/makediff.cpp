#include "convert/makediff.h"

#include <vector>

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

Bytes Diff(ProgressTitle& title, const OverlayLevel& unaltered, const OverlayLevel& edited) {
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
