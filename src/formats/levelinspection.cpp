#include "formats/levelinspection.h"

#include <algorithm>
#include <vector>

#include "formats/tiles.h"

namespace vetra {
namespace {

constexpr int kMapSide = 1024;

void CountPlaces(std::span<const TileRecord> records, LevelInspection& level) {
    for (const TileRecord& record : records) {
        ++level.tileCounts[record.tile];
        if (record.InsideMap()) continue;
        if (level.outsideMap++ == 0) level.firstOutside = record;
    }
}

void CountDuplicates(std::span<const TileRecord> records, LevelInspection& level) {
    std::vector<std::uint32_t> keys;
    keys.reserve(records.size());
    for (const TileRecord& record : records)
        keys.push_back(static_cast<std::uint32_t>(record.y) << 12 | record.x);
    std::sort(keys.begin(), keys.end());
    for (std::size_t i = 1; i < keys.size(); ++i) {
        if (keys[i] != keys[i - 1]) continue;
        ++level.duplicateRecords;
        if (i == 1 || keys[i - 2] != keys[i]) ++level.duplicatePositions;
    }
}

// The cells an object covers besides its top-left one, where the game draws the object and nothing else.
void CountHidden(std::span<const TileRecord> records, LevelInspection& level) {
    std::vector<bool> covered(kMapSide * kMapSide);
    bool anyObject = false;
    for (const TileRecord& record : records) {
        int size = tiles::TileSize(record.tile);
        if (size < 2 || !record.InsideMap()) continue;
        anyObject = true;
        for (int y = record.y; y < std::min(record.y + size, kMapSide); ++y)
            for (int x = record.x; x < std::min(record.x + size, kMapSide); ++x)
                if (x != record.x || y != record.y) covered[y * kMapSide + x] = true;
    }
    if (!anyObject) return;
    for (const TileRecord& record : records)
        if (record.InsideMap() && covered[record.y * kMapSide + record.x]) ++level.hidden;
}

}  // namespace

bool IsUnusualTile(int tile) { return tile == 0 || (tile >= 191 && tile <= 215) || tile >= 221; }

LevelInspection InspectLevel(std::span<const std::uint8_t> bytes) {
    LevelInspection level;
    level.layout = ParseLevel(bytes, TilesetSignature::BothBytes);
    level.secondByteOnly = !level.layout.hasTileset && PassesTilesetSignature(bytes);
    if (level.layout.hasTileset) level.tileset = InspectTileset(bytes);
    std::vector<TileRecord> records = ReadTileRecords(bytes, level.layout);
    CountPlaces(records, level);
    CountDuplicates(records, level);
    CountHidden(records, level);
    return level;
}

}  // namespace vetra
