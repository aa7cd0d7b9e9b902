#include "walltiles/model/levelwalltiles.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <set>
#include <utility>

#include "convert/relink.h"
#include "formats/level.h"
#include "realdata/realcopies.h"
#include "util/fileio.h"
#include "walltiles/model/wtdfile.h"

namespace vetra {
namespace {

using Positions = std::map<std::pair<int, int>, int>;

Positions TilesByPosition(const std::vector<std::uint8_t>& bytes) {
    Positions tiles;
    for (const TileRecord& r : ReadTileRecords(bytes, ParseLevel(bytes, TilesetSignature::SecondByte)))
        tiles[{r.x, r.y}] = r.tile;
    return tiles;
}

struct Agreement {
    std::size_t walls = 0, changed = 0;              // every tile of the set
    std::size_t joinedWalls = 0, joinedChanged = 0;  // all but the tile for a cell that joins nothing
};

// The levels' walls were drawn with the sets they keep, so re-linking them with those sets leaves almost
// every wall tile as it is. What does change comes from the tile for a cell with no neighbours, which the
// maps also use as a plain block inside solid walls (re-linking gives those the tile that fits their
// neighbours), and from hand edits where walls of two sets meet.
TEST(RealLevelWallTiles, ReLinkingWithTheLevelsOwnSetsKeepsTheirWalls) {
    VETRA_REQUIRE_REALDATA();
    const std::map<std::string, int> expectedSets = {
        {"lasertag.lvl", 6}, {"trench9.lvl", 2}, {"distension.lvl", 5}, {"teleport.lvl", 1}};
    test::ScratchDir dir;
    for (const auto& [name, sets] : expectedSets) {
        SCOPED_TRACE(name);
        test::RealCopy level = test::CopyReal(dir, test::RealDataDir() + "/levels/" + name);
        FileResult extracted = levelwalltiles::WriteWtd(level.path, dir.File(name + ".wtd"));
        ASSERT_TRUE(extracted.Done());
        EXPECT_TRUE(extracted.notices.empty());
        WallTileSet set;
        ASSERT_TRUE(wtdfile::Load(extracted.written.at(0), set).Done());
        ASSERT_EQ(set.LastIndex() + 1, sets);

        RecordingHost host;
        FileResult linked =
            host.Report(convert::ReLinkLevel(host, level.path, {.wallTiles = set.ToConverterOrder()}));
        ASSERT_TRUE(linked.Done());
        test::ExpectUnchanged(level);

        std::set<int> wallTiles, loneTiles;
        for (const WallTileEntries& entries : set.ToConverterOrder().definitions) {
            wallTiles.insert(entries.begin(), entries.begin() + 16);
            loneTiles.insert(entries[0]);
        }
        Positions before = TilesByPosition(level.bytes);
        Positions after = TilesByPosition(test::ReadBytes(linked.written.at(0)));
        ASSERT_EQ(after.size(), before.size());
        Agreement agreement;
        for (const auto& [position, tile] : before) {
            auto found = after.find(position);
            ASSERT_NE(found, after.end());
            if (!wallTiles.contains(tile)) {
                EXPECT_EQ(found->second, tile);
                continue;
            }
            bool changed = found->second != tile;
            ++agreement.walls;
            agreement.changed += changed;
            if (loneTiles.contains(tile)) continue;
            ++agreement.joinedWalls;
            agreement.joinedChanged += changed;
        }
        std::printf("%s: %zu of %zu wall tiles changed; without the lone-cell tile %zu of %zu\n",
                    name.c_str(), agreement.changed, agreement.walls, agreement.joinedChanged,
                    agreement.joinedWalls);
        RecordProperty(name + " changed", static_cast<int>(agreement.changed));
        RecordProperty(name + " walls", static_cast<int>(agreement.walls));
        ASSERT_GT(agreement.joinedWalls, 500u);
        // A mask read in the wrong bit order changes most of them; the real hand edits stay below 3 %.
        EXPECT_LT(agreement.joinedChanged * 100, agreement.joinedWalls * 5);
        EXPECT_LT(agreement.changed * 2, agreement.walls);
    }
}

}  // namespace
}  // namespace vetra
