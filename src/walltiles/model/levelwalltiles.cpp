#include "walltiles/model/levelwalltiles.h"

#include <algorithm>
#include <array>
#include <optional>

#include "formats/level.h"
#include "formats/tilesetinspection.h"
#include "util/fileerror.h"
#include "util/fileio.h"
#include "util/filenameext.h"
#include "walltiles/model/wtdfile.h"

namespace vetra::levelwalltiles {
namespace {

constexpr std::size_t kChunkHeader = 8;
constexpr std::uint8_t kHighestTile = 190;

// The editor slot that holds each converter entry.
constexpr std::array<int, WallTileDefinition::kSlots> SlotOfEntry() {
    std::array<int, WallTileDefinition::kSlots> slots{};
    for (int slot = 0; slot < WallTileDefinition::kSlots; ++slot)
        slots[WallTileDefinition::kConverterEntry[slot]] = slot;
    return slots;
}
constexpr std::array<int, WallTileDefinition::kSlots> kSlotOfEntry = SlotOfEntry();

std::string At(const ElvlChunk& chunk) { return "the DCWT chunk at offset " + std::to_string(chunk.offset); }

std::string SizeText(std::uint64_t size) { return std::to_string(size) + (size == 1 ? " byte" : " bytes"); }

std::optional<ExtendedLevelData> SectionOf(std::span<const std::uint8_t> bytes) {
    LevelLayout layout = ParseLevel(bytes, TilesetSignature::BothBytes);
    if (!layout.hasTileset) return std::nullopt;
    return InspectTileset(bytes).extended;
}

void TakeChunk(std::span<const std::uint8_t> bytes, const ElvlChunk& chunk, LevelWallTiles& found) {
    if (chunk.overrun != 0) {
        found.problems.push_back(At(chunk) + " runs past the end of the extended level data; it was skipped");
        return;
    }
    if (chunk.size != kChunkTiles) {
        found.problems.push_back(At(chunk) + " holds " + SizeText(chunk.size) + ", not " +
                                 std::to_string(kChunkTiles) + "; it was skipped");
        return;
    }
    std::span<const std::uint8_t, kChunkTiles> tiles(bytes.data() + chunk.offset + kChunkHeader, kChunkTiles);
    if (std::any_of(tiles.begin(), tiles.end(), [](std::uint8_t tile) { return tile > kHighestTile; }))
        found.problems.push_back(At(chunk) + " names tiles above " + std::to_string(kHighestTile) +
                                 ", which no tileset holds; they became 0");
    if (found.definitions.size() == static_cast<std::size_t>(WallTileSet::kMaxWallTiles)) {
        found.problems.push_back(At(chunk) + " is one more than the " +
                                 std::to_string(WallTileSet::kMaxWallTiles) +
                                 " WallTiles a set holds; it was left out");
        return;
    }
    found.definitions.push_back(DefinitionFromChunk(tiles));
}

void Fail(FileResult& result, NoticeKind kind, const std::string& reason) {
    result.Problem(kind, result.file, reason);
    result.Fail(kind == NoticeKind::Refusal ? FileStatus::Refused : FileStatus::Failed,
                "load the WallTile sets of");
}

// The level's sets as a set of the editor, the last one current as after loading a .wtd that names them all.
std::optional<WallTileSet> ReadSet(FileResult& result) {
    Bytes bytes;
    try {
        bytes = ReadWholeFile(result.file);
    } catch (const FileError& error) {
        Fail(result, NoticeKind::ReadError, error.Reason());
        return std::nullopt;
    }
    LevelWallTiles found = ReadLevelWallTiles(bytes);
    for (const std::string& problem : found.problems) result.Note(result.file + ": " + problem + ".");
    if (found.definitions.empty()) {
        Fail(result, NoticeKind::Refusal, "has no WallTile sets (DCWT chunks) in its extended level data");
        return std::nullopt;
    }
    WallTileSet set(static_cast<int>(found.definitions.size()));
    for (std::size_t index = 0; index < found.definitions.size(); ++index)
        set.Definition(static_cast<int>(index)) = found.definitions[index];
    set.SetCurrent(set.LastIndex());
    return set;
}

}  // namespace

int ConverterEntry(int chunkMask) {
    int entry = 0;
    if (chunkMask & 1) entry |= 4;  // east
    if (chunkMask & 2) entry |= 1;  // north
    if (chunkMask & 4) entry |= 2;  // west
    if (chunkMask & 8) entry |= 8;  // south
    return entry;
}

WallTileDefinition DefinitionFromChunk(std::span<const std::uint8_t, kChunkTiles> tiles) {
    WallTileDefinition definition;
    for (std::size_t mask = 0; mask < kChunkTiles; ++mask) {
        std::uint8_t tile = tiles[mask] > kHighestTile ? 0 : tiles[mask];
        definition.tiles[kSlotOfEntry[ConverterEntry(static_cast<int>(mask))]] = tile;
    }
    return definition;
}

LevelWallTiles ReadLevelWallTiles(std::span<const std::uint8_t> bytes) {
    LevelWallTiles found;
    std::optional<ExtendedLevelData> section = SectionOf(bytes);
    if (!section) return found;
    for (const ElvlChunk& chunk : section->chunks)
        if (chunk.type == "DCWT") TakeChunk(bytes, chunk, found);
    if (section->cut)
        found.problems.push_back(
            "its extended level data is cut short; only the WallTile sets before the cut were read");
    return found;
}

FileResult Load(const std::string& path, WallTileSet& set) {
    FileResult result{path};
    if (std::optional<WallTileSet> read = ReadSet(result)) set = *read;
    return result;
}

FileResult WriteWtd(const std::string& levelPath, const std::string& outPath, WriteFaults* faults) {
    WallTileSet set;
    FileResult result = Load(levelPath, set);
    if (!result.Done()) return result;
    std::string target = filenameext::UniqueFileName(outPath);
    FileResult saved = wtdfile::Save(target, set, faults);
    for (Notice& notice : saved.notices) result.Add(std::move(notice));
    for (std::string& written : saved.written) result.written.push_back(std::move(written));
    result.Mark(saved.status);
    return result;
}

}  // namespace vetra::levelwalltiles
