#include "walltiles/model/wtdfile.h"

#include <array>
#include <charconv>
#include <cmath>
#include <vector>

#include "util/fileerror.h"
#include "util/fileio.h"
#include "util/splitstring.h"
#include "util/textcodec.h"

namespace vetra::wtdfile {
namespace {

// A real file is a few kilobytes; anything near this size is not a WallTile file.
constexpr std::uintmax_t kWtdReadLimit = 16u * 1024u * 1024u;

constexpr std::array<const char*, 32> kColourNames = {
    "#FFFFFF", "#60FFFF", "#6060FF", "#FF60FF", "#FF6060", "#FFFF60", "#60FF60", "#80FFFF",
    "#8080FF", "#FF80FF", "#FF8080", "#FFFF80", "#80FF80", "#A0FFFF", "#A0A0FF", "#FFA0FF",
    "#FFA0A0", "#FFFFA0", "#A0FFA0", "#C0FFFF", "#C0C0FF", "#FFC0FF", "#FFC0C0", "#FFFFC0",
    "#C0FFC0", "#E0FFFF", "#E0E0FF", "#FFE0FF", "#FFE0E0", "#FFFFE0", "#E0FFE0", "#E0E0E0"};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string LowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

// A value in range of the given limits, or nothing: out-of-range numbers are skipped by the caller.
bool InRange(double value, double low, double high) { return value >= low && value <= high; }

struct WallTileLine {
    int index;
    std::vector<std::string> slots;  // at most 20
};

// Steps 1 and 2 of reading one value: the index before the first ":" and the numbers between it and the next.
bool ParseValue(std::string_view value, WallTileLine& line) {
    std::vector<std::string> fields;
    if (splitstring::SplitFields(':', value, fields) < 2) return false;
    double index = IntegerValue(fields[0]);
    if (!InRange(index, 0, WallTileSet::kMaxWallTiles - 1)) return false;
    line.index = static_cast<int>(index);
    int count = splitstring::SplitFieldsMax(',', fields[1], WallTileDefinition::kSlots + 1, line.slots);
    if (count > WallTileDefinition::kSlots) line.slots.resize(WallTileDefinition::kSlots);
    return true;
}

void ApplyLine(const WallTileLine& line, WallTileDefinition& definition) {
    for (std::size_t k = 0; k < line.slots.size(); ++k) {
        double tile = IntegerValue(line.slots[k]);
        definition.tiles[k] = InRange(tile, 0, 190) ? static_cast<std::uint8_t>(tile) : 0;
    }
    definition.diagonals = line.slots.size() > WallTileDefinition::kConnectionSlots;
    if (!definition.diagonals)
        for (int k = WallTileDefinition::kConnectionSlots; k < WallTileDefinition::kSlots; ++k)
            definition.tiles[k] = 0;
}

}  // namespace

std::string ColourName(int index) {
    return index >= 0 && index < static_cast<int>(kColourNames.size()) ? kColourNames[index] : "";
}

double IntegerValue(std::string_view field) {
    std::size_t at = 0;
    while (at < field.size() && IsBlank(field[at])) ++at;
    bool negative = at < field.size() && field[at] == '-';
    if (at < field.size() && (field[at] == '-' || field[at] == '+')) ++at;
    std::size_t start = at;
    while (at < field.size() && IsDigit(field[at])) ++at;
    if (at < field.size() && field[at] == '.') {
        ++at;
        while (at < field.size() && IsDigit(field[at])) ++at;
    }
    double value = 0;
    auto [end, error] = std::from_chars(field.data() + start, field.data() + at, value);
    if (error == std::errc::invalid_argument || end == field.data() + start) return 0;
    if (error == std::errc::result_out_of_range) value = HUGE_VAL;
    value = std::nearbyint(value);  // the default rounding mode: halves to even
    return negative ? -value : value;
}

WallTileSet ParseWallTiles(std::string_view text) {
    int highest = 0;
    std::vector<std::string> values;
    std::vector<std::string> fields;
    for (const std::string& textLine : textcodec::SplitTextLines(textcodec::StripUtf8Bom(text))) {
        if (splitstring::SplitFieldsMax('=', textLine, 2, fields) < 2) continue;
        if (!LowerAscii(Trimmed(fields[0])).starts_with("walltile")) continue;
        values.push_back(fields[1]);
        double index = IntegerValue(Trimmed(fields[1]));
        if (InRange(index, 0, WallTileSet::kMaxWallTiles - 1) && index > highest)
            highest = static_cast<int>(index);
    }

    WallTileSet set(highest + 1);
    std::vector<bool> named(highest + 1, false);
    int lastNamed = 0;
    for (const std::string& value : values) {
        WallTileLine line;
        if (!ParseValue(value, line) || line.index > set.LastIndex()) continue;
        ApplyLine(line, set.Definition(line.index));
        named[line.index] = true;
        lastNamed = line.index;
    }
    // The editor renders every unnamed WallTile after the named ones; the last it renders stays current.
    set.SetCurrent(lastNamed);
    for (int index = 0; index <= set.LastIndex(); ++index)
        if (!named[index]) set.SetCurrent(index);
    return set;
}

std::string WallTilesText(const WallTileSet& set) {
    std::vector<std::string> lines;
    for (int index = 0; index <= set.LastIndex(); ++index) {
        const WallTileDefinition& definition = set.Definition(index);
        std::string line = "WallTile" + ColourName(index) + "=" + std::to_string(index) + ":";
        int slots = definition.diagonals ? WallTileDefinition::kSlots : WallTileDefinition::kConnectionSlots;
        for (int slot = 0; slot < slots; ++slot) {
            if (slot > 0) line += ",";
            line += std::to_string(definition.tiles[slot]);
        }
        lines.push_back(std::move(line));
    }
    return textcodec::JoinCrLf(lines);
}

FileResult Load(const std::string& path, WallTileSet& set) {
    FileResult result{path};
    Bytes bytes;
    try {
        bytes = ReadWholeFile(path, kWtdReadLimit);
    } catch (const FileError& error) {
        result.Add({NoticeKind::ReadError, NoticeDisplay::Summary, path, error.Reason(), error.what()});
        result.Add({NoticeKind::Failure, NoticeDisplay::MessageBox, path, error.Reason(),
                    "Could not load the WallTile definitions " + path + ": " + error.Reason() + "."});
        return result.Stopped();
    }
    set = ParseWallTiles(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    return result;
}

FileResult Save(const std::string& path, const WallTileSet& set, WriteFaults* faults) {
    FileResult result{path};
    try {
        WriteFileSafely(path, WallTilesText(set), faults);
        result.written.push_back(path);
    } catch (const FileError& error) {
        result.Add({NoticeKind::WriteError, NoticeDisplay::MessageBox, path, error.Reason(),
                    "Could not save the WallTile definitions " + path + ": " + error.Reason() + "."});
        result.Mark(FileStatus::Failed);
    }
    return result;
}

}  // namespace vetra::wtdfile
