#include "convert/blanktileset.h"

#include "convert/tilesetprimitives.h"
#include "formats/bitmapheader.h"
#include "util/progresstitle.h"

namespace vetra::convert {
namespace {

constexpr int kBlankHeight = 160;
constexpr int kWidth = 304;
constexpr std::uint8_t kBorderColour = 79;

bool OnCellBorder(int position) { return position % 16 == 0 || position % 16 == 15; }

}  // namespace

Bytes BlankTilesetBytes() {
    Bytes file(kTilesetSize, 0);
    WriteTilesetHeader(file, kBlankHeight);
    WriteDefaultPalette(file);
    for (std::size_t i = 0; i < kTilesetPixelSize; ++i) {
        int x = static_cast<int>(i % kWidth);
        int row = static_cast<int>(i / kWidth);
        if (OnCellBorder(x) || OnCellBorder(row)) file[kPixelOffset + i] = kBorderColour;
    }
    return file;
}

FileResult MakeBlankTileset(Progress& progress, const std::string& path) {
    ProgressTitle title(progress);
    title.Show("Creating tileset...");
    Bytes file = BlankTilesetBytes();
    progress.DoEvents();
    FileResult result{path};
    try {
        WriteFileSafely(path, file, progress.Faults());
        result.written.push_back(path);
    } catch (const FileError& error) {
        result.Add({NoticeKind::WriteError, NoticeDisplay::MessageBox, path, error.Reason(),
                    "Could not write the blank tileset " + path + ": " + error.Reason() + "."});
        result.Mark(FileStatus::Failed);
    }
    return result;
}

}  // namespace vetra::convert
