#include "render/picturefile.h"

#include <algorithm>

#include "formats/bitmapheader.h"
#include "formats/level.h"
#include "formats/tilesetinspection.h"
#include "util/fileerror.h"
#include "util/fileio.h"
#include "util/filenameext.h"

namespace vetra::render {
namespace {

void Refuse(LoadedPicture& loaded, const std::string& reason) {
    loaded.result.Problem(NoticeKind::Refusal, loaded.result.file, reason);
    loaded.result.Fail(FileStatus::Refused, "draw");
}

void ReadMapBitmap(LoadedPicture& loaded, const Bytes& bytes) {
    std::optional<BitmapInfo> info = ReadBitmapInfo(bytes);
    if (!info || bytes[0] != 'B' || bytes[1] != 'M') return Refuse(loaded, "is not a bitmap");
    if (info->width != 1024 || (info->height != 1024 && info->height != -1024))
        return Refuse(loaded, "is not a 1024 x 1024 map bitmap");
    if (info->bitsPerPixel != 8 || info->compression != 0)
        return Refuse(loaded, "is not an uncompressed 8-bit map bitmap");
    if (info->pixelOffset > bytes.size() || bytes.size() - info->pixelOffset < kMapPixelSize)
        return Refuse(loaded, "is cut off before the end of its pixels");
    std::vector<std::uint8_t> cells(kMapPixelSize);
    const std::uint8_t* pixels = bytes.data() + info->pixelOffset;
    for (int row = 0; row < kMapCells; ++row) {
        int y = info->height < 0 ? row : kMapCells - 1 - row;
        std::copy_n(pixels + static_cast<std::size_t>(row) * kMapCells, kMapCells,
                    cells.begin() + y * kMapCells);
    }
    loaded.picture = LevelPicture::FromMapCells(std::move(cells));
}

void TakeAttributes(LoadedPicture& loaded, std::span<const std::uint8_t> tileset) {
    TilesetInspection inspection = InspectTileset(tileset);
    if (!inspection.extended) return;
    for (const ElvlChunk& chunk : inspection.extended->chunks) {
        if (chunk.type != "ATTR" || chunk.overrun != 0) continue;
        std::size_t equals = chunk.text.find('=');
        if (equals == std::string::npos) continue;
        std::string value = chunk.text.substr(equals + 1);
        while (!value.empty() && value.back() == '\0') value.pop_back();
        loaded.attributes.emplace_back(chunk.text.substr(0, equals), value);
    }
}

void ReadLevel(LoadedPicture& loaded, const Bytes& bytes) {
    LevelLayout layout = ParseLevel(bytes, TilesetSignature::SecondByte);
    if (layout.TilesetUnusable())
        return Refuse(loaded, layout.tilesetBeyondEnd ? "declares a tileset larger than the file"
                                                      : "declares a tileset too short to hold one");
    std::optional<TilesetPixels> tiles;
    if (layout.hasTileset) {
        std::span<const std::uint8_t> tileset = std::span(bytes).first(layout.recordStart);
        std::string reason;
        tiles = TilesetPixels::Decode(tileset, reason);
        if (!tiles)
            loaded.result.Note(loaded.result.file + " " + reason + "; its tiles are drawn in map colours.");
        TakeAttributes(loaded, tileset);
    }
    loaded.picture = LevelPicture::FromRecords(ReadTileRecords(bytes, layout), std::move(tiles));
}

}  // namespace

LoadedPicture LoadPicture(const std::string& path) {
    LoadedPicture loaded;
    loaded.result.file = path;
    loaded.name = filenameext::BareFileName(path);
    filenameext::SplitExtension(loaded.name);
    Bytes bytes;
    try {
        bytes = ReadWholeFile(path);
    } catch (const FileError& error) {
        loaded.result.Problem(NoticeKind::ReadError, path, error.Reason());
        loaded.result.Fail(FileStatus::Failed, "draw");
        return loaded;
    }
    if (filenameext::HasExtension(path, ".bmp"))
        ReadMapBitmap(loaded, bytes);
    else
        ReadLevel(loaded, bytes);
    return loaded;
}

}  // namespace vetra::render
