#include "convert/overlaylevel.h"

#include "convert/filenotices.h"
#include "convert/mergerecord.h"
#include "convert/tilesetprimitives.h"
#include "util/filenameext.h"

namespace vetra::convert {

std::optional<OverlayLevel> ReadOverlayLevel(FileResult& result, const std::string& path) {
    OverlayLevel level;
    try {
        level.bytes = ReadWholeFile(path, kOverlayReadLimit);
    } catch (const FileError& error) {
        result.Add({NoticeKind::ReadError, NoticeDisplay::FramedSummary, path, error.Reason(), error.what()});
        return std::nullopt;
    }
    level.layout = ParseLevel(level.bytes, TilesetSignature::BothBytes);
    // A tileset size inside the header would have the header's bytes merged as tile records.
    if (level.layout.TilesetUnusable()) {
        RefuseUnusableTileset(result, path, level.layout);
        return std::nullopt;
    }
    NoteStrayBytes(result, path, level.layout.trailingBytes, false);
    return level;
}

Bytes TilesetHead(const OverlayLevel& head) {
    Bytes out;
    if (head.layout.hasTileset) CopyTileset(head.bytes, out);
    return out;
}

template <class Record>
Bytes LevelWithRecords(const OverlayLevel& head, std::span<const Record> records) {
    Bytes out = TilesetHead(head);
    out.reserve(out.size() + 4 * records.size());
    for (const Record& r : records) {
        if (r.tile == 0) continue;
        auto encoded = TileRecord{r.x, r.y, r.tile}.Encode();
        out.insert(out.end(), encoded.begin(), encoded.end());
    }
    return out;
}

template Bytes LevelWithRecords<TileRecord>(const OverlayLevel&, std::span<const TileRecord>);
template Bytes LevelWithRecords<MergeRecord>(const OverlayLevel&, std::span<const MergeRecord>);

FileResult WriteCombinedLevel(Progress& progress, const std::string& first, const std::string& second,
                              const CombineLevels& combine) {
    ProgressTitle title(progress);
    FileResult result{first};
    std::optional<OverlayLevel> a = ReadOverlayLevel(result, first);
    if (!a) return result.Stopped();
    std::optional<OverlayLevel> b = ReadOverlayLevel(result, second);
    if (!b) return result.Stopped();
    Bytes combined = combine(title, *a, *b);
    title.Show("Writing level...");
    if (!WriteOrRefuse(result, filenameext::UniqueFileName(first), combined, title.Faults()))
        return result.Stopped();
    return result;
}

}  // namespace vetra::convert
