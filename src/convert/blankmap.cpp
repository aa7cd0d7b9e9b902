#include "convert/blankmap.h"

#include "convert/framednotice.h"
#include "convert/likeput.h"
#include "formats/bitmapheader.h"
#include "formats/mappalette.h"
#include "util/fileerror.h"
#include "util/host.h"

namespace vetra::Convert {
namespace {

// The header and the first palette entry at their own positions, the other entries one after another.
constexpr std::size_t kPlacedBytes = kBitmapHeaderSize + 4;

Outcome WriteOrShow(Host& host, const std::string& path, const Bytes& bytes, const std::string& message) {
    try {
        WriteFileSafely(path, bytes, host.Faults());
    } catch (const FileError& error) {
        host.AddText(FramedNotice(error.what()));
        host.MessageBox(message);
        return Outcome::Failed();
    }
    return Outcome::Done({path});
}

}  // namespace

Bytes MapHeaderBytes(Host& host, ProgressTitle& title) {
    title.Show("Creating headers...");
    Bytes source(kPixelOffset);
    auto header = MapBitmapHeader();
    auto palette = MapPaletteTable();
    std::copy(header.begin(), header.end(), source.begin());
    std::copy(palette.begin(), palette.end(), source.begin() + kBitmapHeaderSize);
    Bytes buffer(kPixelOffset, 0);
    LikePut put;
    for (std::size_t i = 0; i < source.size(); ++i) {
        bool placed = i < kPlacedBytes;
        put.Put(host, buffer, placed ? static_cast<std::int32_t>(i) : 0, source[i], placed);
    }
    return buffer;
}

Bytes BlankMapBytes(Host& host, ProgressTitle& title) {
    Bytes file = MapHeaderBytes(host, title);
    title.Show("Writing headers...");
    title.Show("Saving blank space...");
    file.resize(kMapBitmapSize, 0);
    return file;
}

Outcome MakeMapHeader(Host& host, const std::string& path) {
    ProgressTitle title(host);
    Bytes header = MapHeaderBytes(host, title);
    title.Show("Writing headers...");
    return WriteOrShow(host, path, header, "Ugh!");
}

Outcome MakeBlankMap(Host& host, const std::string& path) {
    ProgressTitle title(host);
    return WriteOrShow(host, path, BlankMapBytes(host, title), "CreateBitmapError");
}

}  // namespace vetra::Convert
