#include "convert/overlay.h"

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

void AppendRecords(const OverlayLevel& level, std::int16_t source, std::vector<MergeRecord>& records) {
    for (const TileRecord& r : ReadTileRecords(level.bytes, level.layout))
        records.push_back(MergeRecord{source, r.x, r.y, r.tile});
}

void CleanMerged(ProgressTitle& title, std::vector<MergeRecord>& records) {
    title.Show("Cleaning...");
    const long long divisor = static_cast<long long>(records.size()) - 1;
    RemoveCoveredRecords(std::span(records), true, [&](std::size_t i, std::size_t) {
        if (divisor > 0) title.ShowFigure(static_cast<long long>(i) * 100 / divisor, "% cleaned...");
    });
}

Bytes MergedLevel(const OverlayLevel& level, const std::vector<MergeRecord>& records) {
    Bytes out;
    if (level.layout.hasTileset) CopyTileset(level.bytes, out);
    for (const MergeRecord& r : records) {
        if (r.tile == 0) continue;
        auto encoded = TileRecord{r.x, r.y, r.tile}.Encode();
        out.insert(out.end(), encoded.begin(), encoded.end());
    }
    return out;
}

}  // namespace

Outcome ApplyOverlay(Host& host, const std::string& level, const std::string& overlay) {
    ProgressTitle title(host);
    std::optional<OverlayLevel> base = ReadOverlayLevel(host, level);
    if (!base) return Outcome::Failed();
    std::optional<OverlayLevel> over = ReadOverlayLevel(host, overlay);
    if (!over) return Outcome::Failed();

    std::vector<MergeRecord> records;
    records.reserve(base->layout.recordCount + over->layout.recordCount);
    AppendRecords(*base, MergeRecord::kLevel, records);
    AppendRecords(*over, MergeRecord::kOverlay, records);
    SortMergeRecords(host, records);
    CleanMerged(title, records);

    title.Show("Writing level...");
    std::string target = FileNameExt::UniqueFileName(level);
    if (!WriteOrReport(host, target, MergedLevel(*base, records))) return Outcome::Failed();
    return Outcome::Done({target});
}

BatchOperation OverlayOperation(Host& host, std::shared_ptr<const std::string> overlay) {
    BatchOperation operation;
    operation.dialogTitle = "Apply overlay to level(s):";
    operation.filter = kLevelFilter;
    operation.completion = "Overlay application complete.";
    operation.countWord = " processed.";
    operation.job.extension = ".lvl";
    operation.job.routine = [&host, overlay](const std::string& level) { return ApplyOverlay(host, level, *overlay); };
    return operation;
}

}  // namespace vetra::Convert
