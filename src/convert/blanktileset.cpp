#include "convert/blanktileset.h"

#include "convert/progresstitle.h"
#include "convert/tilesetprimitives.h"
#include "formats/bitmapheader.h"
#include "util/host.h"

namespace vetra::Convert {
namespace {

constexpr int kBlankHeight = 160;
constexpr int kWidth = 304;
constexpr std::uint8_t kBorderColour = 79;

bool OnCellBorder(int position) { return position % 16 == 0 || position % 16 == 15; }

}  // namespace

Bytes BlankTilesetBytes(Host& host) {
    Bytes file(kTilesetSize, 0);
    ITH(host, file, kBlankHeight);
    InsertPallette(file);
    for (std::size_t i = 0; i < kTilesetPixelSize; ++i) {
        int x = static_cast<int>(i % kWidth);
        int row = static_cast<int>(i / kWidth);
        if (OnCellBorder(x) || OnCellBorder(row)) file[kPixelOffset + i] = kBorderColour;
    }
    return file;
}

Outcome MakeBlankTileset(Host& host, const std::string& path) {
    ProgressTitle title(host);
    title.Show("Creating tileset...");
    Bytes file = BlankTilesetBytes(host);
    host.DoEvents();
    try {
        WriteFileSafely(path, file, host.Faults());
    } catch (const FileError&) {
        host.MessageBox("Ugh! Aww!");
        return Outcome::Failed();
    }
    return Outcome::Done({path});
}

}  // namespace vetra::Convert
