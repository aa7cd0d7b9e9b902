#include "convert/makediff.h"

#include <vector>

#include "convert/filenotices.h"
#include "convert/overlaycleaning.h"
#include "convert/overlaylevel.h"
#include "convert/progresstitle.h"
#include "convert/recordsort.h"
#include "convert/tilesetprimitives.h"
#include "util/filenameext.h"
#include "util/host.h"

namespace vetra::Convert {
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

Bytes DiffLevel(const OverlayLevel& unaltered, const std::vector<TileRecord>& records) {
    Bytes out;
    if (unaltered.layout.hasTileset) CopyTileset(unaltered.bytes, out);
    for (const TileRecord& r : records) {
        if (r.tile == 0) continue;
        auto encoded = r.Encode();
        out.insert(out.end(), encoded.begin(), encoded.end());
    }
    return out;
}

}  // namespace

Outcome MakeDiff(Host& host, const std::string& unaltered, const std::string& edited) {
    ProgressTitle title(host);
    std::optional<OverlayLevel> before = ReadOverlayLevel(host, unaltered);
    if (!before) return Outcome::Failed();
    std::optional<OverlayLevel> after = ReadOverlayLevel(host, edited);
    if (!after) return Outcome::Failed();

    std::vector<TileRecord> a = ReadTileRecords(before->bytes, before->layout);
    SortTileRecords(host, a);
    std::vector<TileRecord> b = ReadTileRecords(after->bytes, after->layout);
    SortTileRecords(host, b);
    std::size_t remaining = b.size() - CancelUnchanged(title, a, b);
    CleanDiff(title, b, remaining);

    title.Show("Writing level...");
    std::string target = FileNameExt::UniqueFileName(unaltered);
    if (!WriteOrReport(host, target, DiffLevel(*before, b))) return Outcome::Failed();
    return Outcome::Done({target});
}

Outcome DiffLevels(Host& host, const std::string& unaltered, const std::string& edited) {
    host.ClearText();
    host.AddText("Processing file: " + unaltered);
    Outcome outcome = MakeDiff(host, unaltered, edited);
    host.MessageBox("Diff generation complete.");
    return outcome;
}

}  // namespace vetra::Convert
