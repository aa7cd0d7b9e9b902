#include "convert/levelsplit.h"

#include <optional>

#include "convert/filenotices.h"
#include "convert/tilesetprimitives.h"
#include "formats/bitmapheader.h"
#include "formats/level.h"
#include "util/filenameext.h"
#include "util/progresstitle.h"

namespace vetra::convert {

FileResult SplitLevel(Progress& progress, const std::string& levelPath, bool cleanPalette) {
    ProgressTitle title(progress);
    FileResult result{levelPath};
    std::optional<Bytes> level = ReadOrRefuse(result, levelPath);
    if (!level) return result.Stopped();
    if (!PassesTilesetSignature(*level)) {
        result.Add({NoticeKind::Refusal, NoticeDisplay::FramedSummary, levelPath, "has no tileset",
                    "No tileset in " + levelPath});
        return result.Stopped();
    }
    LevelLayout layout = ParseLevel(*level, TilesetSignature::SecondByte);
    if (layout.TilesetUnusable()) {
        RefuseUnusableTileset(result, levelPath, layout);
        return result.Stopped();
    }
    NoteStrayBytes(result, levelPath, layout.trailingBytes, true);
    std::string base = levelPath;
    filenameext::SplitExtension(base);
    std::string levelOut = filenameext::UniqueFileName(base + "-s.lvl");
    std::string bitmapOut = filenameext::UniqueFileName(base + "-s.bmp");

    title.Show("Writing tileset...");
    Bytes tileset;
    CopyTileset(*level, tileset);
    CleanTilesetCopyIfChosen(cleanPalette, result, title, tileset, TilesetHeightByte(*level), levelPath);
    title.Show("Writing level...");
    std::span<const std::uint8_t> records = std::span(*level).subspan(layout.recordStart);
    if (!WriteOrRefuse(result, bitmapOut, tileset, title.Faults()) ||
        !WriteOrRefuse(result, levelOut, records, title.Faults())) {
        for (const std::string& written : result.written) RemoveFileQuietly(written);
        result.written.clear();
        result.Mark(FileStatus::Failed);
    }
    return result;
}

BatchOperation SplitTilesOperation(bool cleanPalette) {
    return {.dialogTitle = "File(s) to split:",
            .filter = "SubSpace Levels (*.lvl)|*.lvl",
            .completion = "Level split completed.",
            .countWord = " processed.",
            .job = {.extension = ".lvl", .routine = [cleanPalette](Progress& progress, const std::string& path) {
                        return SplitLevel(progress, path, cleanPalette);
                    }}};
}

}  // namespace vetra::convert
