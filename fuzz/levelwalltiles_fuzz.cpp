// WallTile sets from levels: any bytes give at most 32 WallTiles without diagonals and no tile above 190, a
// level file loads or is refused with its message, and what loads writes a .wtd that reads back the same.
#include <algorithm>
#include <cstdint>

#include "support/fuzzcheck.h"
#include "walltiles/model/levelwalltiles.h"
#include "walltiles/model/wtdfile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vetra;
    using fuzz::Require;
    levelwalltiles::LevelWallTiles found = levelwalltiles::ReadLevelWallTiles(std::span(data, size));
    Require(found.definitions.size() <= static_cast<std::size_t>(WallTileSet::kMaxWallTiles),
            "too many WallTiles");
    for (const WallTileDefinition& definition : found.definitions) {
        Require(!definition.diagonals, "a WallTile from a level has diagonals");
        Require(std::all_of(definition.tiles.begin(), definition.tiles.end(),
                            [](std::uint8_t t) { return t <= 190; }),
                "a tile number above 190");
    }

    fuzz::FuzzFile file("level.lvl", std::span(data, size));
    WallTileSet set;
    FileResult loaded = levelwalltiles::Load(file.path, set);
    Require(loaded.Done() == !found.definitions.empty(), "loading differs from reading the bytes");
    Require(loaded.Done() || !loaded.notices.empty(), "a level was refused without a word");
    if (loaded.Done()) {
        WallTileSet again = wtdfile::ParseWallTiles(wtdfile::WallTilesText(set));
        Require(again.ToConverterOrder() == set.ToConverterOrder(), "the .wtd of a level reads back changed");
    }
    return 0;
}
