#include "formats/levelreport.h"

#include <cstdio>

#include "util/textcodec.h"

namespace vetra {
namespace {

constexpr std::size_t kShownText = 60;
const char* const kIndent = "  ";

std::string Num(std::uint64_t n) { return std::to_string(n); }

std::string Plural(std::uint64_t n, const std::string& one, const std::string& many) {
    return Num(n) + " " + (n == 1 ? one : many);
}

// Raw bytes from the file made safe for a terminal: Windows-1252 shown as UTF-8, controls escaped.
std::string Shown(const std::string& raw, std::size_t limit = kShownText) {
    std::string escaped;
    for (std::size_t i = 0; i < raw.size() && i < limit; ++i) {
        auto c = static_cast<unsigned char>(raw[i]);
        if (c == '\r')
            escaped += "\\r";
        else if (c == '\n')
            escaped += "\\n";
        else if (c == '\t')
            escaped += "\\t";
        else if (c == '"' || c == '\\')
            escaped += std::string("\\") + static_cast<char>(c);
        else if (c < 0x20 || c == 0x7F) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            escaped += hex;
        } else
            escaped += static_cast<char>(c);
    }
    return "\"" + textcodec::Cp1252ToUtf8(escaped) + (raw.size() > limit ? "\"..." : "\"");
}

std::string Compression(std::uint32_t compression) {
    switch (compression) {
        case 0:
            return "uncompressed";
        case 1:
            return "RLE8 compressed";
        case 2:
            return "RLE4 compressed";
        case 3:
            return "bit fields";
        default:
            return "compression " + Num(compression);
    }
}

std::string TilesetLine(const LevelInspection& level, std::size_t fileSize) {
    if (!level.tileset)
        return level.secondByteOnly
                   ? "Tileset: none (byte 1 is \"M\" but byte 0 is not \"B\"; tools that test byte 1 "
                     "alone would read a tileset here)"
                   : "Tileset: none";
    const TilesetInspection& t = *level.tileset;
    std::string line = "Tileset: ";
    if (!t.headerComplete) {
        line += "header cut off after " + Plural(fileSize, "byte", "bytes");
    } else {
        const BitmapInfo& h = t.header;
        line += Num(static_cast<std::uint32_t>(h.width)) + " x " +
                Num(static_cast<std::uint32_t>(std::abs(h.height)));
        if (h.height < 0) line += " (rows top down)";
        line += ", " + Num(h.bitsPerPixel) + " bits per pixel, " + Compression(h.compression);
    }
    if (fileSize >= 6) line += ", declared size " + Plural(t.declaredSize, "byte", "bytes");
    if (t.beyondEnd) line += ", past the end of the file (" + Plural(fileSize, "byte", "bytes") + ")";
    return line;
}

std::string Before(const TilesetInspection& t) {
    std::string before = t.zerosBefore != 0 ? Plural(t.zerosBefore, "zero byte", "zero bytes") : "";
    if (!t.text.empty()) before += (before.empty() ? "text " : " and text ") + Shown(t.text);
    return before.empty() ? "" : " after " + before;
}

std::string ExtendedLine(const TilesetInspection& t) {
    const ExtendedLevelData& e = *t.extended;
    std::string line = "extended level data at offset " + Num(e.offset) + ", " +
                       Plural(e.declaredSize, "byte", "bytes") + " declared" + Before(t);
    if (e.cut) line += "; its size runs past the tileset";
    if (e.stray != 0) line += "; " + Plural(e.stray, "stray byte", "stray bytes") + " at its end";
    return line;
}

void BehindLines(const TilesetInspection& t, std::vector<std::string>& lines) {
    std::string line = std::string(kIndent) + "Behind the pixels: ";
    std::string size = Plural(t.behindLength, "byte", "bytes");
    switch (t.behind) {
        case BehindPixels::Nothing:
            line += t.behindLength == 0 ? "nothing" : size + ", zero bytes only";
            if (t.pixelOverrun != 0)
                line += "; the pixel data runs " + Num(t.pixelOverrun) + " bytes past the tileset's end";
            break;
        case BehindPixels::Text:
            line += size + ", text " + Shown(t.text);
            break;
        case BehindPixels::ExtendedLevelData:
            line += size + ", " + ExtendedLine(t);
            break;
        case BehindPixels::Other:
            line += size + ", other data";
            break;
        case BehindPixels::Unknown:
            line += "unknown (compressed pixels whose size the header does not give)";
            break;
    }
    lines.push_back(line);
    if (t.extended)
        for (const std::string& chunk : DescribeChunks(*t.extended))
            lines.push_back(std::string(kIndent) + kIndent + textcodec::Cp1252ToUtf8(chunk));
}

std::string UnusualTiles(const LevelInspection& level) {
    std::string list;
    for (int tile = 0; tile < 256; ++tile) {
        if (!IsUnusualTile(tile) || level.tileCounts[tile] == 0) continue;
        list += (list.empty() ? "" : ", ") + Num(tile) + ": " + Num(level.tileCounts[tile]);
    }
    return list.empty() ? "none" : list;
}

// What the tileset tools make of a tileset the level loads with; "" when they take it as it is.
std::string TilesetUse(const LevelInspection& level) {
    if (!level.tileset || !level.tileset->headerComplete) return "";
    const BitmapInfo& h = level.tileset->header;
    if (h.width != 304) return "; the tileset tools refuse its tileset, which is not 304 pixels wide";
    std::uint32_t height = static_cast<std::uint32_t>(std::abs(h.height));
    if (height % 16 != 0)
        return "; its tileset is " + Num(height) + " pixels high, so its last " + Num(height % 16) +
               " rows of pixels are no whole row of tiles";
    return "";
}

std::string Status(const LevelInspection& level) {
    if (!level.Damaged()) return "Status: sound" + TilesetUse(level);
    std::string reasons;
    auto add = [&reasons](const std::string& reason) { reasons += (reasons.empty() ? "" : ", ") + reason; };
    if (level.layout.tilesetBeyondEnd) add("tileset size past the end of the file");
    if (level.layout.tilesetTooShort) add("tileset size inside the tileset's header");
    if (level.outsideMap != 0) add("records outside the map");
    if (level.layout.trailingBytes != 0) add("stray bytes");
    return "Status: damaged (" + reasons + ")";
}

void RecordLines(const LevelInspection& level, std::vector<std::string>& lines) {
    auto add = [&lines](const std::string& text) { lines.push_back(kIndent + text); };
    if (level.layout.tilesetBeyondEnd) {
        add("Records: none readable (the tileset size runs past the end of the file)");
        return;
    }
    add("Records: " + Num(level.layout.recordCount) + ", stray bytes: " + Num(level.layout.trailingBytes));
    std::string outside = "Records outside the map: " + Num(level.outsideMap);
    if (level.firstOutside)
        outside +=
            " (the first at x " + Num(level.firstOutside->x) + ", y " + Num(level.firstOutside->y) + ")";
    add(outside);
    std::string duplicates = "Duplicate positions: " + Num(level.duplicatePositions);
    if (level.duplicateRecords != 0)
        duplicates += " (" + Plural(level.duplicateRecords, "record", "records") + " beyond the first)";
    add(duplicates);
    add("Tiles hidden under objects: " + Num(level.hidden));
    add("Tile numbers outside 1-190 and 216-220: " + UnusualTiles(level));
}

}  // namespace

std::vector<std::string> LevelReport(const std::string& path, const LevelInspection& level) {
    std::vector<std::string> lines{path, kIndent + TilesetLine(level, level.layout.fileSize)};
    if (level.tileset && level.tileset->headerComplete) BehindLines(*level.tileset, lines);
    RecordLines(level, lines);
    lines.push_back(kIndent + Status(level));
    return lines;
}

}  // namespace vetra
