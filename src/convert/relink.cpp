#include "convert/relink.h"

#include <filesystem>
#include <system_error>

#include "convert/deconversion.h"
#include "convert/filenotices.h"
#include "convert/framednotice.h"
#include "convert/installedwalltiles.h"
#include "convert/mapconversion.h"
#include "convert/tilesetapplication.h"
#include "formats/level.h"
#include "formats/levelinspection.h"
#include "util/filenameext.h"
#include "util/host.h"

namespace vetra::Convert {
namespace {

// A temporary file that is gone when the re-link ends, however it ends. A file never written is no error.
class TemporaryFile {
public:
    explicit TemporaryFile(std::string path) : path_(std::move(path)) {}
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

// The tiles that newer clients give meanings to, which a map bitmap cannot hold.
bool BeyondTheMapBitmap(int tile) { return tile != 0 && IsUnusualTile(tile); }

// Re-linking only re-joins walls: the records a map bitmap cannot hold go into the new level as they were,
// behind the converted ones, in the source's order. False when the files could not be read or written.
bool CarryOverUnmappableTiles(Host& host, const std::string& levelPath, const std::string& newLevel) {
    std::optional<Bytes> source = ReadOrReport(host, levelPath);
    if (!source) return false;
    std::vector<TileRecord> kept;
    for (const TileRecord& record :
         ReadTileRecords(*source, ParseLevel(*source, TilesetSignature::SecondByte)))
        if (BeyondTheMapBitmap(record.tile)) kept.push_back(record);
    if (kept.empty()) return true;
    std::optional<Bytes> level = ReadOrReport(host, newLevel);
    if (!level) return false;
    Bytes carried = EncodeTileRecords(kept);
    level->insert(level->end(), carried.begin(), carried.end());
    if (!WriteOrReport(host, newLevel, *level)) return false;
    host.AddText(levelPath + ": " + std::to_string(kept.size()) + (kept.size() == 1 ? " tile" : " tiles") +
                 " carried over unchanged.");
    return true;
}

Outcome Failed(Host& host, const std::string& levelPath, const std::string& newLevel) {
    std::error_code ignored;
    if (!newLevel.empty()) std::filesystem::remove(newLevel, ignored);
    host.AddText(FramedNotice(levelPath + " could not be re-linked."));
    return Outcome::Failed();
}

}  // namespace

Outcome ReLinkLevel(Host& host, const std::string& levelPath) {
    // Every name is fixed before anything is written, so the temporary bitmaps never take the new level's.
    const std::string newLevel = FileNameExt::UniqueFileName(levelPath);
    std::string base = levelPath;
    FileNameExt::SplitExtension(base);
    const std::string bare = FileNameExt::BareFileName(base);
    TemporaryFile tileset(FileNameExt::UniqueFileName(FileNameExt::TempDir() + bare + "-t.bmp"));
    TemporaryFile map(FileNameExt::UniqueFileName(FileNameExt::TempDir() + bare + "-m.bmp"));

    DeconversionResult drawn =
        LevelToBitmaps(host, levelPath, tileset.Path(), map.Path(), InstalledWallTiles());
    if (!drawn.outcome.succeeded) return Failed(host, levelPath, {});
    if (!Convert(host, map.Path(), newLevel).succeeded) return Failed(host, levelPath, newLevel);
    if (!CarryOverUnmappableTiles(host, levelPath, newLevel)) return Failed(host, levelPath, newLevel);
    if (drawn.beganWithTileset && !ApplyTileset(host, newLevel, levelPath, true).succeeded)
        return Failed(host, levelPath, newLevel);
    return Outcome::Done({newLevel});
}

BatchOperation ReLinkOperation(Host& host) {
    BatchJob job;
    job.extension = ".lvl";
    job.routine = [&host](const std::string& path) { return ReLinkLevel(host, path); };
    job.beforeEach = [&host] { EmptyUnlessWallTilesInUse(host); };
    return BatchOperation{"File(s) to re-link:", "SubSpace Levels (*.lvl)|*.lvl", "", "", false,
                          std::move(job)};
}

}  // namespace vetra::Convert
