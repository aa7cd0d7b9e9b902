#include "convert/overlay.h"

#include <vector>

#include "convert/overlaycleaning.h"
#include "convert/overlaylevel.h"
#include "convert/recordsort.h"

namespace vetra::convert {
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

Bytes Merged(ProgressTitle& title, const OverlayLevel& base, const OverlayLevel& over) {
    std::vector<MergeRecord> records;
    records.reserve(base.layout.recordCount + over.layout.recordCount);
    AppendRecords(base, MergeRecord::kLevel, records);
    AppendRecords(over, MergeRecord::kOverlay, records);
    SortMergeRecords(title, records);
    CleanMerged(title, records);
    return LevelWithRecords(base, std::span<const MergeRecord>(records));
}

}  // namespace

FileResult ApplyOverlay(Progress& progress, const std::string& level, const std::string& overlay) {
    return WriteCombinedLevel(progress, level, overlay, Merged);
}

BatchOperation OverlayOperation(const std::string& overlay) {
    return {.dialogTitle = "Apply overlay to level(s):",
            .filter = kLevelFilter,
            .completion = "Overlay application complete.",
            .countWord = " processed.",
            .job = {.extension = ".lvl", .routine = [overlay](Progress& progress, const std::string& level) {
                        return ApplyOverlay(progress, level, overlay);
                    }}};
}

}  // namespace vetra::convert
