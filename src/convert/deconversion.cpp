#include "convert/deconversion.h"

#include <algorithm>
#include <optional>

#include "convert/blankmap.h"
#include "convert/filenotices.h"
#include "convert/mapdrawing.h"
#include "convert/tilesetprimitives.h"
#include "formats/bitmapheader.h"
#include "util/filenameext.h"

namespace vetra::convert {

FileResult LevelToBitmaps(Progress& progress, const std::string& levelPath, const std::string& tilesetPath,
                          const std::string& mapPath, const DeconversionOptions& options) {
    ProgressTitle title(progress);
    FileResult result{levelPath};
    std::optional<LevelForMap> level = ReadLevelForMap(result, title, levelPath);
    if (!level) return result.Stopped();
    MapDrawing drawing = DrawRecords(title, level->records, options.wallTiles);
    level->records = {};
    Bytes map = BlankMapBytes(result, title);
    std::copy(drawing.Pixels().begin(), drawing.Pixels().end(), map.begin() + kPixelOffset);

    bool written = true;
    if (level->beganWithTileset) {
        title.Show("Writing tileset...");
        Bytes tileset;
        CopyTileset(level->bytes, tileset);
        CleanTilesetCopyIfChosen(options.cleanPalette, result, title, tileset, TilesetHeightByte(level->bytes),
                                 levelPath);
        written = WriteOrRefuse(result, tilesetPath, tileset, title.Faults());
    }
    level.reset();
    title.Show("Writing bitmap...");
    if (!written || !WriteOrRefuse(result, mapPath, map, title.Faults())) {
        for (const std::string& path : result.written) RemoveFileQuietly(path);
        result.written.clear();
        result.Mark(FileStatus::Failed);
        return result;
    }
    if (std::string leftOut = drawing.LeftOutText(levelPath); !leftOut.empty()) result.FramedNote(leftOut);
    if (std::string hidden = drawing.HiddenText(levelPath); !hidden.empty()) result.FramedNote(hidden);
    return result;
}

FileResult DeconvertLevel(Progress& progress, const std::string& levelPath, const DeconversionOptions& options) {
    std::string base = levelPath;
    filenameext::SplitExtension(base);
    std::string tilesetPath = filenameext::UniqueFileName(base + "-t.bmp");
    std::string mapPath = filenameext::UniqueFileName(base + "-m.bmp");
    return LevelToBitmaps(progress, levelPath, tilesetPath, mapPath, options);
}

BatchOperation DeconvertOperation(const DeconversionOptions& options) {
    return {.dialogTitle = "File(s) to deconvert:",
            .filter = "SubSpace Levels (*.lvl)|*.lvl",
            .completion = "Deconversion complete.",
            .countWord = " deconverted.",
            .job = {.extension = ".lvl", .routine = [options](Progress& progress, const std::string& path) {
                        return DeconvertLevel(progress, path, options);
                    }}};
}

}  // namespace vetra::convert
