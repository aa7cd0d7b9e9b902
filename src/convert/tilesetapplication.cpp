#include "convert/tilesetapplication.h"

#include "convert/filenotices.h"
#include "convert/levelsection.h"
#include "convert/tilesetprimitives.h"
#include "formats/bitmapheader.h"
#include "formats/level.h"
#include "util/filenameext.h"

namespace vetra::convert {
namespace {

std::string ApplyOutputName(const std::string& levelPath, bool replace) {
    if (replace) return levelPath;
    std::string base = levelPath;
    filenameext::SplitExtension(base);
    return filenameext::UniqueFileName(base + ".lvl");
}

// The source's tileset size, or nothing after the framed notice that refuses it.
std::optional<std::uint32_t> AcceptedSourceSize(FileResult& result, const std::string& path, const Bytes& source) {
    if (!PassesTilesetSignature(source)) {
        result.Problem(NoticeKind::Refusal, path, "does not begin with a valid tileset bitmap");
        return std::nullopt;
    }
    if (!PassesTilesetWidth(source)) {
        result.Problem(NoticeKind::Refusal, path, "does not begin with a 304-pixel wide tileset bitmap");
        return std::nullopt;
    }
    LevelLayout layout = ParseLevel(source, TilesetSignature::SecondByte);
    if (layout.tilesetBeyondEnd) {
        RefuseTilesetBeyondEnd(result, path);
        return std::nullopt;
    }
    // Shorter than its header and colour table, the copy would end before the records it is to be followed
    // by.
    if (layout.tilesetSize < kPixelOffset) {
        result.Problem(NoticeKind::Refusal, path, "does not begin with a valid tileset bitmap");
        return std::nullopt;
    }
    return layout.tilesetSize;
}

Bytes CleanedCopy(FileResult& result, ProgressTitle& title, const Bytes& source, const std::string& sourcePath,
                  bool cleanPalette) {
    title.Show("Porting tileset...");
    Bytes copy;
    CopyTileset(source, copy);
    CleanTilesetCopyIfChosen(cleanPalette, result, title, copy, TilesetHeightByte(source), sourcePath);
    return copy;
}

// A level's own extended level data outlives its tileset: it goes behind the new tileset's pixels and
// comments in place of any the source brings.
bool KeepLevelSection(FileResult& result, Bytes& out, const Bytes& level, const std::string& levelPath,
                      const std::optional<LevelSection>& sourceSection, const std::string& sourcePath) {
    std::optional<LevelSection> own = FindLevelSection(level);
    if (!own) return true;
    if (sourceSection) out.resize(sourceSection->begin);
    if (!AppendSection(out, level, *own)) {
        result.Problem(NoticeKind::Refusal, levelPath,
                       "would grow past the largest size a tileset can declare");
        return false;
    }
    result.Note(KeptSectionLine(levelPath, *own));
    if (sourceSection)
        result.Note(levelPath + ": the extended level data of " + sourcePath +
                    " was not used; the level keeps its own.");
    return true;
}

FileResult Failed(FileResult& result) {
    result.Fail(FileStatus::Failed, "apply the tileset to");
    return std::move(result);
}

}  // namespace

FileResult ApplyTileset(Progress& progress, const std::string& levelPath, const std::string& sourcePath,
                        const ApplyOptions& options) {
    ProgressTitle title(progress);
    FileResult result{levelPath};
    std::string output = ApplyOutputName(levelPath, options.replace);
    std::optional<Bytes> source = ReadOrRefuse(result, sourcePath);
    if (!source) return Failed(result);
    std::optional<Bytes> level = ReadOrRefuse(result, levelPath);
    if (!level) return Failed(result);
    if (!AcceptedSourceSize(result, sourcePath, *source)) return Failed(result);
    LevelLayout old = ParseLevel(*level, TilesetSignature::SecondByte);
    if (old.TilesetUnusable()) {
        RefuseUnusableTileset(result, levelPath, old);
        return Failed(result);
    }
    NoteStrayBytes(result, levelPath, old.trailingBytes, true);

    std::optional<LevelSection> sourceSection = FindLevelSection(*source);
    Bytes out = CleanedCopy(result, title, *source, sourcePath, options.cleanPalette);
    source.reset();
    if (!KeepLevelSection(result, out, *level, levelPath, sourceSection, sourcePath)) return Failed(result);
    title.Show("Copying map data...");
    out.insert(out.end(), level->begin() + static_cast<std::ptrdiff_t>(old.recordStart), level->end());
    if (!WriteOrRefuse(result, output, out, title.Faults())) return Failed(result);
    return result;
}

std::optional<Bytes> TilesetForLevel(FileResult& result, ProgressTitle& title, const std::string& sourcePath,
                                     bool cleanPalette) {
    std::optional<Bytes> source = ReadOrRefuse(result, sourcePath);
    if (!source || !AcceptedSourceSize(result, sourcePath, *source)) return std::nullopt;
    return CleanedCopy(result, title, *source, sourcePath, cleanPalette);
}

BatchOperation ApplyTilesOperation(const std::string& tilesetPath, bool cleanPalette) {
    return {.dialogTitle = "Apply tileset to level(s):",
            .filter = "SubSpace Levels (*.lvl)|*.lvl",
            .completion = "Tileset application complete.",
            .countWord = " processed.",
            .job = {.extension = ".lvl",
                    .routine = [tilesetPath, cleanPalette](Progress& progress, const std::string& path) {
                        return ApplyTileset(progress, path, tilesetPath, {.cleanPalette = cleanPalette});
                    }}};
}

}  // namespace vetra::convert
