#include "convert/mapconversion.h"

#include <fstream>

#include "convert/celllist.h"
#include "convert/filenotices.h"
#include "convert/tilesetapplication.h"
#include "convert/walllinking.h"
#include "formats/bitmapheader.h"
#include "util/fileerror.h"
#include "util/filenameext.h"
#include "util/nativepath.h"

namespace vetra::convert {
namespace {

// Header, palette and pixels: the part of a map bitmap the conversion reads.
constexpr std::size_t kMapBytes = kPixelOffset + kMapPixelSize;

// The smallest file the Convert button takes as a map (a whole header, palette and pixels).
constexpr std::uintmax_t kMinimumMapFileLength = kMapBytes;

// The first bytes of a file, at most limit of them.
Bytes ReadFileStart(const std::string& path, std::size_t limit) {
    std::ifstream file(NativePath(path), std::ios::binary);
    if (!file) throw FileError(path, "could not be opened");
    Bytes bytes(limit);
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(limit));
    if (file.bad()) throw FileError(path, "could not be read");
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    return bytes;
}

// Why a file cannot be converted, as a clause after its name, or nothing when it can.
std::optional<std::string> Refusal(const Bytes& bytes) {
    if (bytes.size() < 20 || bytes[18] != 0x00 || bytes[19] != 0x04) return "is not a valid 1024-pixel wide map bitmap";
    if (bytes.size() < kMapBytes) return "is not big enough to be a map";
    BitmapInfo info = *ReadBitmapInfo(bytes);
    if (info.bitsPerPixel != 8) return "is not an 8-bit bitmap";
    if (info.compression != 0) return "is a compressed bitmap";
    if (info.height < 0) return "stores its rows top down";
    return std::nullopt;
}

std::optional<Notice> LongEnoughForAMap(const std::string& path) {
    std::uintmax_t length = 0;
    try {
        length = FileLength(path);
    } catch (const FileError&) {
        length = 0;
    }
    if (length >= kMinimumMapFileLength) return std::nullopt;
    std::string reason = "is not big enough to be a map";
    return Notice{NoticeKind::Refusal, NoticeDisplay::Summary, path, reason,
                  "Error: " + path + "\r\n " + reason + ".\r\n"};
}

// The level's bytes: the chosen tileset, if any, followed by the records converted from the bitmap.
std::optional<Bytes> LevelBytes(FileResult& result, ProgressTitle& title, const std::string& bitmapPath,
                                const ConversionOptions& options) {
    std::optional<Bytes> records = ConvertBitmapFile(result, title, bitmapPath, options.wallTiles);
    if (!records || options.tileset.empty()) return records;
    std::optional<Bytes> level = TilesetForLevel(result, title, options.tileset, options.cleanPalette);
    if (level) level->insert(level->end(), records->begin(), records->end());
    return level;
}

}  // namespace

std::optional<Bytes> ConvertBitmapFile(FileResult& result, ProgressTitle& title, const std::string& bitmapPath,
                                       const ConverterWallTiles& wallTiles) {
    Bytes bytes;
    try {
        bytes = ReadFileStart(bitmapPath, kMapBytes);
    } catch (const FileError& error) {
        result.Add({NoticeKind::ReadError, NoticeDisplay::FramedSummary, bitmapPath, error.Reason(), error.what()});
        return std::nullopt;
    }
    if (std::optional<std::string> refusal = Refusal(bytes)) {
        result.Problem(NoticeKind::Refusal, bitmapPath, *refusal);
        return std::nullopt;
    }
    std::span<const std::uint8_t> pixels(bytes.data() + kPixelOffset, kMapPixelSize);
    return ConvertPixels(title, pixels, wallTiles);
}

Bytes ConvertPixels(ProgressTitle& title, std::span<const std::uint8_t> pixels,
                    const ConverterWallTiles& wallTiles) {
    std::vector<MapCell> cells = DistillCells(title, pixels);
    std::vector<std::vector<WallTileMember>> members = CleanCells(title, cells, wallTiles.Count());
    LinkWallTiles(title, cells, members, pixels, wallTiles);
    members = {};
    CollapseCells(title, cells);
    return LevelRecordBytes(title, cells);
}

FileResult Convert(Progress& progress, const std::string& bitmapPath, const std::string& levelPath,
                   const ConversionOptions& options) {
    FileResult result{bitmapPath};
    bool written = false;
    {
        ProgressTitle title(progress);
        try {
            std::optional<Bytes> level = LevelBytes(result, title, bitmapPath, options);
            if (level) {
                title.Show("Writing LVL file...");
                written = WriteOrRefuse(result, levelPath, *level, title.Faults());
            }
        } catch (const std::exception& error) {
            result.Add({NoticeKind::Failure, NoticeDisplay::FramedSummary, bitmapPath, "could not be converted",
                        bitmapPath + " could not be converted (" + error.what() + ")."});
        }
    }
    if (!written) result.Fail(FileStatus::Failed, "convert");
    return result;
}

FileResult ConvertFile(Progress& progress, const std::string& bitmapPath, const ConversionOptions& options) {
    std::string base = bitmapPath;
    filenameext::SplitExtension(base);
    return Convert(progress, bitmapPath, filenameext::UniqueFileName(base + ".lvl"), options);
}

BatchOperation ConvertOperation(const ConversionOptions& options) {
    return {.dialogTitle = "File(s) to convert:",
            .filter = "Bitmap Files (*.bmp)|*.bmp",
            .completion = "Conversion completed.",
            .countWord = " converted.",
            .job = {.extension = ".bmp",
                    .routine = [options](
                                   Progress& progress,
                                   const std::string& path) { return ConvertFile(progress, path, options); },
                    .admit = LongEnoughForAMap,
                    .rejectionsLowerTotal = true}};
}

}  // namespace vetra::convert
