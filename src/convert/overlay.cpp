#include "convert/overlay.h"

#include <vector>

#include "convert/mapcells.h"
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

// The merge in one pass over the map, for levels whose records each stand at a place of their own: every
// record, met in the order the sort would give (at one place the overlay's first), removes the later records
// under it, as the cleaning of the sorted list does.
std::optional<Bytes> MergedOnMap(ProgressTitle& title, const OverlayLevel& base, const OverlayLevel& over) {
    MapCells level, overlay;
    if (!level.Fill(base) || !overlay.Fill(over)) return std::nullopt;
    title.Show("Sorting data...");
    title.Show("Cleaning...");
    const long long divisor = static_cast<long long>(level.Count() + overlay.Count()) - 1;
    long long index = 0;
    auto clean = [&](std::size_t cell, bool fromOverlay) {
        if (index % 1024 == 0 && divisor > 0) title.ShowFigure(index * 100 / divisor, "% cleaned...");
        ++index;
        int side = ObjectSize(fromOverlay ? overlay.Tile(cell) : level.Tile(cell));
        ForEachCellOfSquare(cell, side, [&](std::size_t covered) {
            if (covered != cell) overlay.Remove(covered);
            if (covered != cell || fromOverlay) level.Remove(covered);
        });
    };
    for (std::size_t cell = 0; cell < MapCells::kCells; ++cell) {
        if (overlay.Holds(cell)) clean(cell, true);
        if (level.Holds(cell)) clean(cell, false);
    }
    Bytes out = TilesetHead(base);
    std::size_t head = out.size();
    out.resize(head + 4 * (level.Count() + overlay.Count()));
    std::uint8_t* end = out.data() + head;
    for (std::size_t cell = 0; cell < MapCells::kCells; ++cell) {
        end = overlay.PutRecord(cell, end);
        end = level.PutRecord(cell, end);
    }
    out.resize(static_cast<std::size_t>(end - out.data()));
    return out;
}

Bytes Merged(ProgressTitle& title, const OverlayLevel& base, const OverlayLevel& over) {
    if (std::optional<Bytes> merged = MergedOnMap(title, base, over)) return std::move(*merged);
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
