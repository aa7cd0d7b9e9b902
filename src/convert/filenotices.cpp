#include "convert/filenotices.h"

#include "convert/framednotice.h"
#include "util/host.h"

namespace vetra::Convert {

std::optional<Bytes> ReadOrReport(Host& host, const std::string& path) {
    try {
        return ReadWholeFile(path);
    } catch (const FileError&) {
        host.AddText(FramedNotice(path + " could not be read."));
        return std::nullopt;
    }
}

bool WriteOrReport(Host& host, const std::string& path, std::span<const std::uint8_t> bytes) {
    try {
        WriteFileSafely(path, bytes, host.Faults());
        return true;
    } catch (const FileError&) {
        host.AddText(FramedNotice(path + " could not be written."));
        return false;
    }
}

void ReportTilesetBeyondEnd(Host& host, const std::string& path) {
    host.AddText(FramedNotice(path + " has a tileset size beyond the end of the file."));
}

void ReportUnusableTileset(Host& host, const std::string& path, const LevelLayout& layout) {
    if (layout.tilesetTooShort)
        host.AddText(FramedNotice(path + " has a tileset size smaller than a tileset's header and colour table."));
    else
        ReportTilesetBeyondEnd(host, path);
}

std::uint8_t TilesetHeightByte(std::span<const std::uint8_t> bytes) {
    return bytes.size() > 22 ? bytes[22] : 0;
}

}  // namespace vetra::Convert
