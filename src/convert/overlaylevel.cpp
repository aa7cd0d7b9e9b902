#include "convert/overlaylevel.h"

#include "convert/filenotices.h"
#include "convert/framednotice.h"
#include "util/host.h"

namespace vetra::Convert {

std::optional<OverlayLevel> ReadOverlayLevel(Host& host, const std::string& path) {
    OverlayLevel level;
    try {
        level.bytes = ReadWholeFile(path, kOverlayReadLimit);
    } catch (const FileError& error) {
        host.AddText(FramedNotice(error.what()));
        return std::nullopt;
    }
    level.layout = ParseLevel(level.bytes, TilesetSignature::BothBytes);
    // A tileset size inside the header would have the header's bytes merged as tile records.
    if (level.layout.TilesetUnusable()) {
        ReportUnusableTileset(host, path, level.layout);
        return std::nullopt;
    }
    return level;
}

}  // namespace vetra::Convert
