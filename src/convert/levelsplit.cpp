#include "convert/levelsplit.h"

#include <optional>

#include "convert/filenotices.h"
#include "convert/framednotice.h"
#include "convert/progresstitle.h"
#include "convert/tilesetprimitives.h"
#include "formats/bitmapheader.h"
#include "formats/level.h"
#include "util/filenameext.h"
#include "util/host.h"

namespace vetra::Convert {

Outcome SplitLevel(Host& host, const std::string& levelPath) {
    ProgressTitle title(host);
    std::optional<Bytes> level = ReadOrReport(host, levelPath);
    if (!level) return Outcome::Failed();
    if (!PassesTilesetSignature(*level)) {
        host.AddText(FramedNotice("No tileset in " + levelPath));
        return Outcome::Failed();
    }
    LevelLayout layout = ParseLevel(*level, TilesetSignature::SecondByte);
    if (layout.TilesetUnusable()) {
        ReportUnusableTileset(host, levelPath, layout);
        return Outcome::Failed();
    }
    std::string base = levelPath;
    FileNameExt::SplitExtension(base);
    std::string levelOut = FileNameExt::UniqueFileName(base + "-s.lvl");
    std::string bitmapOut = FileNameExt::UniqueFileName(base + "-s.bmp");

    title.Show("Writing tileset...");
    Bytes tileset;
    CopyTileset(*level, tileset);
    CleanTilesetCopyIfChosen(host, title, tileset, TilesetHeightByte(*level), levelPath);
    title.Show("Writing level...");
    std::span<const std::uint8_t> records = std::span(*level).subspan(layout.recordStart);
    if (!WriteOrReport(host, bitmapOut, tileset)) return Outcome::Failed();
    if (!WriteOrReport(host, levelOut, records)) {
        RemoveFileQuietly(bitmapOut);
        return Outcome::Failed();
    }
    return Outcome::Done({bitmapOut, levelOut});
}

BatchOperation SplitTilesOperation(Host& host) {
    BatchJob job;
    job.extension = ".lvl";
    job.routine = [&host](const std::string& path) { return SplitLevel(host, path); };
    return BatchOperation{
        "File(s) to split:", "SubSpace Levels (*.lvl)|*.lvl", "Level split completed.", " processed.", false,
        std::move(job)};
}

}  // namespace vetra::Convert
