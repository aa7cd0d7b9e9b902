#include <gtest/gtest.h>

#include "walltiles/model/wtdfile.h"

namespace vetra {
namespace {

// Editors on Windows often save text with a UTF-8 byte-order mark; without this the first WallTile is lost.
TEST(WtdFile, ByteOrderMarkAtTheStartIsIgnored) {
    std::string text = "WallTile#FFFFFF=0:1,2,3\r\nWallTile#60FFFF=1:4\r\n";
    WallTileSet plain = wtdfile::ParseWallTiles(text);
    WallTileSet marked = wtdfile::ParseWallTiles("\xEF\xBB\xBF" + text);
    EXPECT_EQ(marked, plain);
    EXPECT_EQ(marked.Definition(0).tiles[2], 3);
    // Only at the very start: elsewhere the bytes spoil their line as any other stray bytes would.
    WallTileSet inside =
        wtdfile::ParseWallTiles("WallTile#FFFFFF=0:1\r\n\xEF\xBB\xBFWallTile#60FFFF=1:4\r\n");
    EXPECT_EQ(inside.LastIndex(), 0);
}

}  // namespace
}  // namespace vetra
