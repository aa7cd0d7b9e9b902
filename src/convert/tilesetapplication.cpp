#include "convert/tilesetapplication.h"

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
namespace {

std::string ApplyOutputName(const std::string& levelPath, bool replace) {
    if (replace) return levelPath;
    std::string base = levelPath;
    FileNameExt::SplitExtension(base);
    return FileNameExt::UniqueFileName(base + ".lvl");
}

// The source's tileset size, or nothing after the framed notice that refuses it.
std::optional<std::uint32_t> AcceptedSourceSize(Host& host, const std::string& path, const Bytes& source) {
    if (!PassesTilesetSignature(source)) {
        host.AddText(FramedNotice(path + " does not begin with a valid tileset bitmap."));
        return std::nullopt;
    }
    if (!PassesTilesetWidth(source)) {
        host.AddText(FramedNotice(path + " does not begin with a 304-pixel wide tileset bitmap."));
        return std::nullopt;
    }
    LevelLayout layout = ParseLevel(source, TilesetSignature::SecondByte);
    if (layout.tilesetBeyondEnd) {
        ReportTilesetBeyondEnd(host, path);
        return std::nullopt;
    }
    // Shorter than its header and colour table, the copy would end before the records it is to be followed
    // by.
    if (layout.tilesetSize < kPixelOffset) {
        host.AddText(FramedNotice(path + " does not begin with a valid tileset bitmap."));
        return std::nullopt;
    }
    return layout.tilesetSize;
}

Outcome TilesetFailure(Host& host) {
    host.MessageBox("Tileset failure!");
    return Outcome::Failed();
}

}  // namespace

Outcome ApplyTileset(Host& host, const std::string& levelPath, const std::string& sourcePath, bool replace) {
    ProgressTitle title(host);
    std::string output = ApplyOutputName(levelPath, replace);
    std::optional<Bytes> source = ReadOrReport(host, sourcePath);
    if (!source) return TilesetFailure(host);
    std::optional<Bytes> level = ReadOrReport(host, levelPath);
    if (!level) return TilesetFailure(host);
    if (!AcceptedSourceSize(host, sourcePath, *source)) return TilesetFailure(host);
    LevelLayout old = ParseLevel(*level, TilesetSignature::SecondByte);
    if (old.TilesetUnusable()) {
        ReportUnusableTileset(host, levelPath, old);
        return TilesetFailure(host);
    }

    title.Show("Porting tileset...");
    Bytes result;
    CopyTileset(*source, result);
    CleanTilesetCopyIfChosen(host, title, result, TilesetHeightByte(*source), sourcePath);
    source.reset();
    title.Show("Copying map data...");
    result.insert(result.end(), level->begin() + static_cast<std::ptrdiff_t>(old.recordStart), level->end());
    if (!WriteOrReport(host, output, result)) return TilesetFailure(host);
    return Outcome::Done({output});
}

BatchOperation ApplyTilesOperation(Host& host, const std::string& tilesetPath) {
    BatchJob job;
    job.extension = ".lvl";
    job.routine = [&host, tilesetPath](const std::string& path) {
        return ApplyTileset(host, path, tilesetPath, false);
    };
    return BatchOperation{"Apply tileset to level(s):",
                          "SubSpace Levels (*.lvl)|*.lvl",
                          "Tileset application complete.",
                          " processed.",
                          false,
                          std::move(job)};
}

}  // namespace vetra::Convert
