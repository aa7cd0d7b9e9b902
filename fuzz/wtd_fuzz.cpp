// WallTile files: any text loads without failing, and a loaded set saves and loads back to the same WallTiles.
#include <cstdint>
#include <string_view>

#include "support/fuzzcheck.h"
#include "walltiles/model/wtdfile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vetra;
    using fuzz::Require;
    std::string_view text(reinterpret_cast<const char*>(data), size);
    WallTileSet set = wtdfile::ParseWallTiles(text);
    Require(set.LastIndex() >= 0 && set.LastIndex() < WallTileSet::kMaxWallTiles, "WallTile count out of range");
    WallTileSet again = wtdfile::ParseWallTiles(wtdfile::WallTilesText(set));
    Require(again.LastIndex() == set.LastIndex(), "a saved set loads back with another count");
    for (int index = 0; index <= set.LastIndex(); ++index)
        Require(again.Definition(index) == set.Definition(index), "a saved WallTile loads back changed");
    set.ToConverterOrder();

    fuzz::FuzzFile file("set.wtd", std::span(data, size));
    WallTileSet loaded;
    Require(wtdfile::Load(file.path, loaded).Done(), "a readable file failed to load");
    Require(loaded.LastIndex() == set.LastIndex(), "loading from a file differs from parsing its text");
    return 0;
}
