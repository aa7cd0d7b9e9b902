#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>

#include "formats/levelinspection.h"
#include "realdata/realcopies.h"
#include "support/realdata.h"
#include "support/scratchdir.h"
#include "util/filenameext.h"

namespace vetra {
namespace {

// What an independent analysis of each real level found (PROVENANCE.md beside the files).
struct KnownLevel {
    const char* name;
    std::size_t records;
    std::size_t strayBytes;
    std::size_t outsideMap;
    std::size_t duplicatePositions;
    std::size_t unusualTiles;            // records of tile 0, 191-215 and 221-255
    std::optional<BehindPixels> behind;  // nothing without a tileset
    std::size_t zerosBefore;
    const char* chunks;  // the types of the extended level data's chunks, in order
};

const KnownLevel kKnownLevels[] = {
    {"#2flagball.lvl", 38731, 0, 0, 0, 29236, BehindPixels::ExtendedLevelData, 2, "DCID DCLV"},
    {"#pandora.lvl", 8206, 0, 0, 0, 0, BehindPixels::ExtendedLevelData, 2, "DCID DCLV"},
    {"(public).lvl", 12212, 0, 0, 0, 0, BehindPixels::Nothing, 0, ""},
    {"AutoWZ.lvl", 107686, 0, 0, 0, 40850, BehindPixels::ExtendedLevelData, 2, "DCID"},
    {"TWVillage.lvl", 237545, 0, 0, 0, 1514, BehindPixels::ExtendedLevelData, 2, "DCID"},
    {"_alpha.lvl", 31595, 0, 0, 0, 0, std::nullopt, 0, ""},
    {"_castle.lvl", 24018, 0, 0, 0, 0, BehindPixels::Nothing, 2, ""},
    {"_melted.lvl", 30909, 0, 0, 0, 0, BehindPixels::Nothing, 2, ""},
    {"_nivag.lvl", 28129, 0, 0, 0, 0, BehindPixels::Nothing, 0, ""},
    {"afterburner.lvl", 61, 0, 0, 0, 5, std::nullopt, 0, ""},
    {"balance.lvl", 10633, 0, 0, 0, 0, BehindPixels::ExtendedLevelData, 2, "DCID DCBM DCTT"},
    {"bbase.lvl", 4257, 0, 0, 34, 335, BehindPixels::Nothing, 0, ""},
    {"bdhadar.lvl", 35387, 0, 0, 0, 301, BehindPixels::ExtendedLevelData, 2, "DCID"},
    {"black.lvl", 3794, 0, 0, 0, 0, BehindPixels::Text, 0, ""},
    {"byakko.lvl", 2912, 0, 0, 0, 0, BehindPixels::ExtendedLevelData, 2, "DCID"},
    {"changeme.lvl", 2591, 0, 0, 0, 0, BehindPixels::ExtendedLevelData, 2, "DCID"},
    {"chess.lvl", 1, 0, 0, 0, 0, BehindPixels::Nothing, 0, ""},
    {"crosshunt.lvl", 47441, 0, 0, 0, 46413, BehindPixels::ExtendedLevelData, 2, "DCID"},
    {"distension.lvl", 7904, 0, 0, 0, 10, BehindPixels::ExtendedLevelData, 2,
     "ATTR ATTR ATTR ATTR ATTR ATTR DCID DCWT DCWT DCWT DCWT DCWT DCTT"},
    {"duelpub.lvl", 8876, 0, 0, 0, 0, BehindPixels::ExtendedLevelData, 2,
     "ATTR ATTR ATTR ATTR ATTR ATTR REGN REGN REGN REGN DCID"},
    {"fightclub.lvl", 3822, 0, 0, 0, 0, BehindPixels::Text, 0, ""},
    {"fishies3.lvl", 3198, 0, 0, 0, 0, BehindPixels::ExtendedLevelData, 2, "ATTR ATTR ATTR ATTR ATTR ATTR"},
    {"flagging48b.lvl", 29913, 0, 0, 0, 84, BehindPixels::ExtendedLevelData, 0, "DCID"},
    {"freakball.lvl", 149535, 0, 0, 0, 0, std::nullopt, 0, ""},
    {"hockey.lvl", 13054, 0, 0, 0, 0, BehindPixels::ExtendedLevelData, 2,
     "ATTR ATTR ATTR ATTR ATTR ATTR ATTR ATTR REGN REGN REGN REGN REGN REGN REGN REGN REGN REGN REGN REGN "
     "DCID"},
    {"jvw.lvl", 25196, 0, 0, 0, 5095, BehindPixels::ExtendedLevelData, 880, "DCID"},
    {"lasertag.lvl", 5636, 0, 0, 0, 0, BehindPixels::ExtendedLevelData, 2,
     "DCID DCWT DCWT DCWT DCWT DCWT DCWT"},
    {"local.lvl", 2407, 0, 0, 0, 0, std::nullopt, 0, ""},
    {"miniduel.lvl", 1084, 0, 0, 0, 0, BehindPixels::ExtendedLevelData, 2, "DCID"},
    {"offset.lvl", 17436, 0, 0, 0, 0, std::nullopt, 0, ""},
    {"oldturf.lvl", 29549, 0, 0, 0, 0, std::nullopt, 0, ""},
    {"oldturf@adb20fc.lvl", 29699, 2, 18864, 2329, 3147, std::nullopt, 0, ""},
    {"pbg3d.lvl", 6284, 0, 0, 0, 0, std::nullopt, 0, ""},
    {"scf.lvl", 23810, 0, 0, 0, 0, BehindPixels::Nothing, 0, ""},
    {"smallmap.lvl", 1236, 0, 0, 0, 0, std::nullopt, 0, ""},
    {"smallmap@e04e5e7.lvl", 6932, 0, 0, 0, 0, std::nullopt, 0, ""},
    {"smallmape.lvl", 1236, 0, 0, 0, 0, BehindPixels::ExtendedLevelData, 2, "REGN"},
    {"smallpb3h.lvl", 601, 0, 0, 0, 0, std::nullopt, 0, ""},
    {"superctf.lvl", 77945, 0, 0, 0, 59571, BehindPixels::ExtendedLevelData, 2, "DCID"},
    {"tactical2.lvl", 18331, 0, 0, 0, 0, BehindPixels::Nothing, 0, ""},
    {"teamversus.lvl", 7584, 0, 0, 0, 0, std::nullopt, 0, ""},
    {"teleport.lvl", 6319, 0, 0, 0, 1867, BehindPixels::ExtendedLevelData, 2, "DCID DCWT DCTT"},
    {"tileball.lvl", 72038, 0, 0, 0, 68616, std::nullopt, 0, ""},
    {"trench9.lvl", 26440, 0, 0, 0, 3239, BehindPixels::ExtendedLevelData, 198, "DCID DCWT DCWT"},
    {"turfwars.lvl", 20305, 0, 0, 0, 10306, BehindPixels::Nothing, 190, ""},
    {"whackybomb.lvl", 209345, 0, 0, 0, 186179, BehindPixels::ExtendedLevelData, 2, "DCID"},
    {"zelda.lvl", 60778, 0, 0, 0, 60697, BehindPixels::ExtendedLevelData, 2, "DCID"},
};

std::string ChunkTypes(const LevelInspection& level) {
    std::string types;
    if (!level.tileset || !level.tileset->extended) return types;
    for (const ElvlChunk& chunk : level.tileset->extended->chunks)
        types += (types.empty() ? "" : " ") + chunk.type;
    return types;
}

std::size_t UnusualTiles(const LevelInspection& level) {
    std::size_t count = 0;
    for (int tile = 0; tile < 256; ++tile)
        if (IsUnusualTile(tile)) count += level.tileCounts[tile];
    return count;
}

TEST(RealLevels, InspectionAgreesWithTheIndependentAnalysis) {
    VETRA_REQUIRE_REALDATA();
    std::map<std::string, std::string> levels;
    for (const std::string& path : test::RealDataFiles(".lvl"))
        levels[filenameext::BareFileName(path)] = path;
    EXPECT_EQ(levels.size(), std::size(kKnownLevels));
    for (const KnownLevel& known : kKnownLevels) {
        SCOPED_TRACE(known.name);
        ASSERT_TRUE(levels.count(known.name));
        LevelInspection level = InspectLevel(test::ReadBytes(levels[known.name]));
        EXPECT_EQ(level.layout.recordCount, known.records);
        EXPECT_EQ(level.layout.trailingBytes, known.strayBytes);
        EXPECT_EQ(level.outsideMap, known.outsideMap);
        EXPECT_EQ(level.duplicatePositions, known.duplicatePositions);
        EXPECT_EQ(UnusualTiles(level), known.unusualTiles);
        ASSERT_EQ(level.tileset.has_value(), known.behind.has_value());
        if (!level.tileset) continue;
        EXPECT_EQ(level.tileset->behind, *known.behind);
        EXPECT_EQ(level.tileset->zerosBefore, known.zerosBefore);
        EXPECT_EQ(ChunkTypes(level), known.chunks);
    }
}

// Tilesets are bitmaps like a level's head; the two files that only start with "BM" must not upset anything.
TEST(RealTilesets, InspectionReadsEveryTilesetAndNonsenseHeader) {
    VETRA_REQUIRE_REALDATA();
    std::vector<std::string> tilesets = test::RealDataFiles(".bmp");
    EXPECT_FALSE(tilesets.empty());
    for (const std::string& path : tilesets) {
        SCOPED_TRACE(path);
        LevelInspection level = InspectLevel(test::ReadBytes(path));
        ASSERT_TRUE(level.tileset);
        EXPECT_TRUE(level.tileset->headerComplete);
        EXPECT_EQ(level.layout.recordCount, 0u);
        bool nonsense =
            path.find("File0526") != std::string::npos || path.find("File0532") != std::string::npos;
        EXPECT_EQ(level.tileset->pixelOverrun != 0, nonsense);
    }
}

}  // namespace
}  // namespace vetra
