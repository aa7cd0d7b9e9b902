#include "convert/mapconversion.h"

#include <algorithm>
#include <fstream>
#include <optional>

#include "convert/celllist.h"
#include "convert/framednotice.h"
#include "convert/installedwalltiles.h"
#include "convert/walllinking.h"
#include "formats/bitmapheader.h"
#include "util/fileerror.h"
#include "util/fileio.h"
#include "util/filenameext.h"
#include "util/host.h"
#include "util/nativepath.h"

namespace vetra::Convert {
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

// Why a file cannot be converted, as the end of the summary notice, or nothing when it can.
std::optional<std::string> Refusal(const Bytes& bytes) {
    if (bytes.size() < 20 || bytes[18] != 0x00 || bytes[19] != 0x04)
        return " is not a valid 1024-pixel wide map bitmap.";
    if (bytes.size() < kMapBytes) return " is not big enough to be a map.";
    BitmapInfo info = *ReadBitmapInfo(bytes);
    if (info.bitsPerPixel != 8) return " is not an 8-bit bitmap.";
    if (info.compression != 0) return " is a compressed bitmap.";
    if (info.height < 0) return " stores its rows top down.";
    return std::nullopt;
}

bool ConvertInto(Host& host, ProgressTitle& title, const std::string& bitmapPath,
                 const std::string& levelPath) {
    Bytes bytes = ReadFileStart(bitmapPath, kMapBytes);
    if (std::optional<std::string> refusal = Refusal(bytes)) {
        host.AddText(FramedNotice(bitmapPath + *refusal));
        return false;
    }
    std::span<const std::uint8_t> pixels(bytes.data() + kPixelOffset, kMapPixelSize);
    Bytes records = ConvertPixels(title, pixels, InstalledWallTiles());
    title.Show("Writing LVL file...");
    WriteFileSafely(levelPath, records, host.Faults());
    return true;
}

bool LongEnoughForAMap(Host& host, const std::string& path) {
    std::uintmax_t length = 0;
    try {
        length = FileLength(path);
    } catch (const FileError&) {
        length = 0;
    }
    if (length >= kMinimumMapFileLength) return true;
    host.AddText("Error: " + path + "\r\n is not big enough to be a map.\r\n");
    return false;
}

// A follow-up that replaces the level in place names it again; it is still one created file.
void AddFollowUp(Outcome& outcome, const Outcome& later) {
    outcome.succeeded = outcome.succeeded && later.succeeded;
    for (const std::string& path : later.created)
        if (std::find(outcome.created.begin(), outcome.created.end(), path) == outcome.created.end())
            outcome.created.push_back(path);
}

}  // namespace

Bytes ConvertPixels(ProgressTitle& title, std::span<const std::uint8_t> pixels,
                    const ConverterWallTiles& wallTiles) {
    std::vector<MapCell> cells = DistillCells(title, pixels);
    std::vector<std::vector<WallTileMember>> members = CleanCells(title, cells, wallTiles.Count());
    LinkWallTiles(title, cells, members, pixels, wallTiles);
    members = {};
    CollapseCells(title, cells);
    return LevelRecordBytes(title, cells);
}

Outcome Convert(Host& host, const std::string& bitmapPath, const std::string& levelPath) {
    bool converted = false;
    {
        ProgressTitle title(host);
        try {
            converted = ConvertInto(host, title, bitmapPath, levelPath);
        } catch (const FileError& error) {
            host.AddText(FramedNotice(error.what()));
            converted = false;
        } catch (const std::exception&) {
            converted = false;
        }
    }
    if (!converted) {
        host.MessageBox("Error in Convert!");
        return Outcome::Failed();
    }
    return Outcome::Done({levelPath});
}

ConvertedLevel ConvertFile(Host& host, const std::string& bitmapPath) {
    std::string base = bitmapPath;
    FileNameExt::SplitExtension(base);
    ConvertedLevel converted;
    converted.levelPath = FileNameExt::UniqueFileName(base + ".lvl");
    converted.outcome = Convert(host, bitmapPath, converted.levelPath);
    return converted;
}

BatchOperation ConvertOperation(Host& host, LevelFollowUp followUp) {
    BatchOperation operation;
    operation.dialogTitle = "File(s) to convert:";
    operation.filter = "Bitmap Files (*.bmp)|*.bmp";
    operation.completion = "Conversion completed.";
    operation.countWord = " converted.";
    operation.countAcceptedOnly = true;
    operation.job.extension = ".bmp";
    operation.job.rejectionsLowerTotal = true;
    operation.job.admit = [&host](const std::string& path) { return LongEnoughForAMap(host, path); };
    operation.job.beforeEach = [&host] { EmptyUnlessWallTilesInUse(host); };
    operation.job.routine = [&host, followUp](const std::string& path) {
        ConvertedLevel converted = ConvertFile(host, path);
        // A failed conversion leaves no level for the follow-up to work on.
        if (followUp && converted.outcome.succeeded)
            AddFollowUp(converted.outcome, followUp(host, converted.levelPath));
        return converted.outcome;
    };
    return operation;
}

}  // namespace vetra::Convert
