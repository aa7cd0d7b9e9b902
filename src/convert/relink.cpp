#include "convert/relink.h"

#include "convert/filenotices.h"
#include "convert/levelsection.h"
#include "convert/mapconversion.h"
#include "convert/mapdrawing.h"
#include "convert/tilesetprimitives.h"
#include "formats/level.h"
#include "formats/levelinspection.h"
#include "util/filenameext.h"

namespace vetra::convert {
namespace {

// The tiles that newer clients give meanings to, which a map bitmap cannot hold.
bool BeyondTheMapBitmap(int tile) { return tile != 0 && IsUnusualTile(tile); }

// Re-linking only re-joins walls: the records a map bitmap cannot hold go into the new level as they were,
// behind the converted ones, in the source's order.
void CarryOverUnmappableTiles(FileResult& result, const std::vector<TileRecord>& records, Bytes& level) {
    std::vector<TileRecord> kept;
    for (const TileRecord& record : records)
        if (BeyondTheMapBitmap(record.tile)) kept.push_back(record);
    if (kept.empty()) return;
    Bytes carried = EncodeTileRecords(kept);
    level.insert(level.end(), carried.begin(), carried.end());
    result.Note(result.file + ": " + std::to_string(kept.size()) + (kept.size() == 1 ? " tile" : " tiles") +
                " carried over unchanged.");
}

FileResult Failed(FileResult& result) {
    result.Add({NoticeKind::Failure, NoticeDisplay::FramedSummary, result.file, "could not be re-linked",
                result.file + " could not be re-linked."});
    return result.Stopped();
}

}  // namespace

FileResult ReLinkLevel(Progress& progress, const std::string& levelPath, const ReLinkOptions& options) {
    const std::string newLevel = filenameext::UniqueFileName(levelPath);
    ProgressTitle title(progress);
    FileResult result{levelPath};
    std::optional<LevelForMap> level = ReadLevelForMap(result, title, levelPath);
    if (!level) return Failed(result);
    Bytes records;
    try {
        MapDrawing drawing = DrawRecords(title, level->records, options.wallTiles);
        records = ConvertPixels(title, drawing.Pixels(), options.wallTiles);
        if (std::string hidden = drawing.HiddenText(levelPath); !hidden.empty()) result.FramedNote(hidden);
    } catch (const std::exception& error) {
        result.Add({NoticeKind::Failure, NoticeDisplay::FramedSummary, levelPath, "could not be converted",
                    levelPath + " could not be converted (" + error.what() + ")."});
        return Failed(result);
    }
    CarryOverUnmappableTiles(result, level->records, records);

    Bytes out;
    if (level->beganWithTileset) {
        title.Show("Porting tileset...");
        CopyTileset(level->bytes, out);
        CleanTilesetCopyIfChosen(options.cleanPalette, result, title, out, TilesetHeightByte(level->bytes),
                                 levelPath);
        if (std::optional<LevelSection> own = FindLevelSection(level->bytes))
            result.Note(KeptSectionLine(levelPath, *own));
    }
    level.reset();
    out.insert(out.end(), records.begin(), records.end());
    title.Show("Writing LVL file...");
    if (!WriteOrRefuse(result, newLevel, out, title.Faults())) return Failed(result);
    return result;
}

BatchOperation ReLinkOperation(const ReLinkOptions& options) {
    return {.dialogTitle = "File(s) to re-link:",
            .filter = "SubSpace Levels (*.lvl)|*.lvl",
            .job = {.extension = ".lvl", .routine = [options](Progress& progress, const std::string& path) {
                        return ReLinkLevel(progress, path, options);
                    }}};
}

}  // namespace vetra::convert
