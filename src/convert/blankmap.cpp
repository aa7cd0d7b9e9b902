#include "convert/blankmap.h"

#include "convert/bytecursor.h"
#include "formats/bitmapheader.h"
#include "formats/mappalette.h"

namespace vetra::convert {
namespace {

// The header and the first palette entry at their own positions, the other entries one after another.
constexpr std::size_t kPlacedBytes = kBitmapHeaderSize + 4;

FileResult WriteOrFail(ProgressTitle& title, FileResult& result, const Bytes& bytes, const std::string& what) {
    try {
        WriteFileSafely(result.file, bytes, title.Faults());
        result.written.push_back(result.file);
    } catch (const FileError& error) {
        result.Add({NoticeKind::WriteError, NoticeDisplay::FramedSummary, result.file, error.Reason(), error.what()});
        result.Add({NoticeKind::Failure, NoticeDisplay::MessageBox, result.file, error.Reason(),
                    "Could not write the " + what + " " + result.file + ": " + error.Reason() + "."});
        result.Mark(FileStatus::Failed);
    }
    return std::move(result);
}

}  // namespace

Bytes MapHeaderBytes(FileResult& result, ProgressTitle& title) {
    title.Show("Creating headers...");
    Bytes source(kPixelOffset);
    auto header = MapBitmapHeader();
    auto palette = MapPaletteTable();
    std::copy(header.begin(), header.end(), source.begin());
    std::copy(palette.begin(), palette.end(), source.begin() + kBitmapHeaderSize);
    Bytes buffer(kPixelOffset, 0);
    ByteCursor put;
    for (std::size_t i = 0; i < source.size(); ++i) {
        bool placed = i < kPlacedBytes;
        if (!put.Put(buffer, placed ? static_cast<std::int32_t>(i) : 0, source[i], placed))
            result.Add({NoticeKind::Note, NoticeDisplay::MessageBox, result.file, {},
                        "The map header could not be built: position " + std::to_string(put.Position()) +
                            " lies outside its " + std::to_string(buffer.size()) + " bytes."});
    }
    return buffer;
}

Bytes BlankMapBytes(FileResult& result, ProgressTitle& title) {
    Bytes file = MapHeaderBytes(result, title);
    title.Show("Writing headers...");
    title.Show("Saving blank space...");
    file.resize(kMapBitmapSize, 0);
    return file;
}

FileResult MakeMapHeader(Progress& progress, const std::string& path) {
    ProgressTitle title(progress);
    FileResult result{path};
    Bytes header = MapHeaderBytes(result, title);
    title.Show("Writing headers...");
    return WriteOrFail(title, result, header, "map header");
}

FileResult MakeBlankMap(Progress& progress, const std::string& path) {
    ProgressTitle title(progress);
    FileResult result{path};
    Bytes map = BlankMapBytes(result, title);
    return WriteOrFail(title, result, map, "blank map");
}

}  // namespace vetra::convert
