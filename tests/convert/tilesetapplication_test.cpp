#include "convert/tilesetapplication.h"

#include <gtest/gtest.h>

#include "convert/defaultpalette.h"
#include "convert/levelsection.h"
#include "convert/levelsplit.h"
#include "formats/level.h"
#include "support/failnthwrite.h"
#include "support/levelfixtures.h"
#include "support/realdata.h"
#include "support/recordinghost.h"
#include "support/scratchdir.h"

namespace vetra::convert {
namespace {

using namespace vetra::test;

const std::vector<TileRecord> kRecords = {{1, 2, 3}, {1023, 1023, 190}, {500, 7, 219}};

std::string Framed(const std::string& text) {
    return "-=-=-=-=-=-=-=-=-\r\n" + text + "\r\n-=-=-=-=-=-=-=-=-";
}

TEST(ApplyTileset, PutsTheTilesetBeforeTheRecordsOfALevelWithOrWithoutOne) {
    Bytes records = Joined(RecordBytes(kRecords), Bytes{0xAB, 0xCD});  // a stray fragment travels along
    Bytes tileset = TilesetBitmap({.seed = 2, .comments = Letters(12)});
    for (const Bytes& level : {records, Joined(TilesetBitmap({.seed = 9}), records)}) {
        ScratchDir dir;
        RecordingHost host;
        std::string levelPath = dir.Write("map.lvl", level);
        std::string source = dir.Write("tiles.bmp", tileset);
        FileResult outcome = host.Report(ApplyTileset(host, levelPath, source, {}));
        ASSERT_TRUE(outcome.Done());
        EXPECT_EQ(outcome.written, std::vector<std::string>{dir.File("map-0.lvl")});
        EXPECT_EQ(ReadBytes(dir.File("map-0.lvl")), Joined(tileset, records));
        EXPECT_EQ(ReadBytes(levelPath), level);
        EXPECT_EQ(host.Titles(), (std::vector<std::string>{"Porting tileset...", "Copying map data..."}));
        EXPECT_TRUE(host.Messages().empty());
    }
}

TEST(ApplyTileset, ReplacingLeavesOnlyTheLevel) {
    ScratchDir dir;
    RecordingHost host;
    std::string levelPath = dir.Write("map.lvl", RecordBytes(kRecords));
    Bytes source =
        LevelBytes(TilesetBitmap({.height = 200, .seed = 3}), {{9, 9, 9}});  // a level as the source
    std::string sourcePath = dir.Write("other.lvl", source);
    FileResult outcome = host.Report(ApplyTileset(host, levelPath, sourcePath, {.replace = true}));
    ASSERT_TRUE(outcome.Done());
    EXPECT_EQ(outcome.written, std::vector<std::string>{levelPath});
    EXPECT_EQ(ReadBytes(levelPath), LevelBytes(TilesetBitmap({.height = 200, .seed = 3}), kRecords));
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"map.lvl", "other.lvl"}));
}

TEST(ApplyTileset, RefusalsWriteNothing) {
    struct Case {
        const char* what;
        Bytes source;
        Bytes level;
        std::string notice;  // with SOURCE and LEVEL standing for the paths
    };
    Bytes good = TilesetBitmap();
    Bytes notM = good;
    notM[1] = 'X';
    Bytes narrow = good;
    narrow[18] = 0x31;
    Bytes sourceBeyond = good;
    WriteU32(sourceBeyond.data() + 2, 0xFFFFFFF0u);
    Bytes levelBeyond = LevelBytes(good, kRecords);
    WriteU32(levelBeyond.data() + 2, static_cast<std::uint32_t>(levelBeyond.size() + 1));
    Bytes tiny = good;
    WriteU32(tiny.data() + 2, 40);
    const Case cases[] = {
        {"no signature", notM, RecordBytes(kRecords), "SOURCE does not begin with a valid tileset bitmap."},
        {"too short to test", Bytes{'B', 'M'}, RecordBytes(kRecords),
         "SOURCE does not begin with a 304-pixel wide tileset bitmap."},
        {"wrong width", narrow, RecordBytes(kRecords),
         "SOURCE does not begin with a 304-pixel wide tileset bitmap."},
        {"source size", sourceBeyond, RecordBytes(kRecords),
         "SOURCE has a tileset size beyond the end of the file."},
        {"level size", good, levelBeyond, "LEVEL has a tileset size beyond the end of the file."},
        {"size below the header", tiny, RecordBytes(kRecords),
         "SOURCE does not begin with a valid tileset bitmap."},
    };
    for (const Case& c : cases) {
        ScratchDir dir;
        RecordingHost host;
        std::string level = dir.Write("map.lvl", c.level);
        std::string source = dir.Write("tiles.bmp", c.source);
        EXPECT_FALSE(host.Report(ApplyTileset(host, level, source, {})).Done()) << c.what;
        std::string notice = c.notice;
        notice.replace(0, notice.find(' '), notice.starts_with("SOURCE") ? source : level);
        EXPECT_EQ(host.Summary(), std::vector<std::string>{Framed(notice)}) << c.what;
        std::string subject = c.notice.starts_with("SOURCE") ? source : "it";
        EXPECT_EQ(host.Messages(), std::vector<std::string>{"Could not apply the tileset to " + level + ": " + subject +
                                                            notice.substr(notice.find(' '))})
            << c.what;
        EXPECT_EQ(dir.Names(), (std::vector<std::string>{"map.lvl", "tiles.bmp"})) << c.what;
        EXPECT_EQ(ReadBytes(level), c.level) << c.what;
    }
}

TEST(ApplyTileset, MissingFilesAreReported) {
    ScratchDir dir;
    RecordingHost host;
    std::string level = dir.Write("map.lvl", RecordBytes(kRecords));
    EXPECT_FALSE(host.Report(ApplyTileset(host, level, dir.File("none.bmp"), {})).Done());
    EXPECT_FALSE(host.Report(ApplyTileset(host, dir.File("gone.lvl"), level, {})).Done());
    EXPECT_EQ(host.Summary(),
              (std::vector<std::string>{Framed(dir.File("none.bmp") + " could not be read."),
                                        Framed(dir.File("gone.lvl") + " could not be read.")}));
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"map.lvl"});
}

TEST(ApplyTileset, FailedWriteLeavesNeitherOutputNorChangedLevel) {
    for (bool replace : {false, true}) {
        ScratchDir dir;
        RecordingHost host;
        FailNthWrite faults(1, WriteStep::Rename);
        host.SetFaults(&faults);
        Bytes level = LevelBytes(TilesetBitmap({.seed = 5}), kRecords);
        std::string levelPath = dir.Write("map.lvl", level);
        std::string source = dir.Write("tiles.bmp", TilesetBitmap());
        EXPECT_FALSE(host.Report(ApplyTileset(host, levelPath, source, {.replace = replace})).Done());
        std::string output = replace ? levelPath : dir.File("map-0.lvl");
        EXPECT_EQ(host.Messages(), std::vector<std::string>{"Could not apply the tileset to " + levelPath + ": " +
                                                            (replace ? "it" : output) + " could not be written."});
        EXPECT_EQ(dir.Names(), (std::vector<std::string>{"map.lvl", "tiles.bmp"}));
        EXPECT_EQ(ReadBytes(levelPath), level);
    }
}

TEST(ApplyTileset, CleaningKeepsCommentsDeclaredSoRecordsStartWhereTheHeaderSays) {
    ScratchDir dir;
    RecordingHost host;
    Bytes tileset = TilesetBitmap({.seed = 4, .comments = Letters(100)});
    std::string level = dir.Write("map.lvl", RecordBytes(kRecords));
    std::string source = dir.Write("tiles.bmp", tileset);
    ASSERT_TRUE(host.Report(ApplyTileset(host, level, source, {.cleanPalette = true})).Done());
    Bytes result = ReadBytes(dir.File("map-0.lvl"));
    LevelLayout layout = ParseLevel(result, TilesetSignature::BothBytes);
    EXPECT_EQ(layout.tilesetSize, tileset.size());
    EXPECT_EQ(ReadTileRecords(result, layout), kRecords);
    auto palette = DefaultPaletteTable();
    EXPECT_EQ(Bytes(result.begin() + 54, result.begin() + 1078), Bytes(palette.begin(), palette.end()));
    EXPECT_EQ(Bytes(result.begin() + 1078, result.begin() + tileset.size()),
              Bytes(tileset.begin() + 1078, tileset.end()));
    EXPECT_EQ(host.Titles(), (std::vector<std::string>{"Porting tileset...", "Cleaning pallette...",
                                                       "Copying map data..."}));
}

TEST(SplitLevel, GivesTheTilesetAndTheRecordsExactly) {
    ScratchDir dir;
    RecordingHost host;
    Bytes tileset = TilesetBitmap({.seed = 6, .comments = Letters(33)});
    Bytes records = RecordBytes(kRecords);
    std::string level = dir.Write("map.lvl", Joined(tileset, records));
    dir.Write("map-s.bmp", "taken");
    FileResult outcome = host.Report(SplitLevel(host, level, false));
    ASSERT_TRUE(outcome.Done());
    EXPECT_EQ(outcome.written, (std::vector<std::string>{dir.File("map-s-0.bmp"), dir.File("map-s.lvl")}));
    EXPECT_EQ(ReadBytes(dir.File("map-s-0.bmp")), tileset);
    EXPECT_EQ(ReadBytes(dir.File("map-s.lvl")), records);
    EXPECT_EQ(ReadBytes(level), Joined(tileset, records));
    EXPECT_EQ(host.Titles(), (std::vector<std::string>{"Writing tileset...", "Writing level..."}));
    EXPECT_TRUE(host.Summary().empty());
}

TEST(SplitLevel, CleaningChangesOnlyHeaderAndColours) {
    ScratchDir dir;
    RecordingHost host;
    Bytes tileset = TilesetBitmap({.seed = 6, .comments = Letters(33)});
    std::string level = dir.Write("map.lvl", LevelBytes(tileset, kRecords));
    ASSERT_TRUE(host.Report(SplitLevel(host, level, true)).Done());
    Bytes bitmap = ReadBytes(dir.File("map-s.bmp"));
    ASSERT_EQ(bitmap.size(), tileset.size());
    EXPECT_EQ(ReadU32(bitmap.data() + 2), tileset.size());
    EXPECT_EQ(bitmap[54 + 4], 0x39);
    EXPECT_EQ(Bytes(bitmap.begin() + 1078, bitmap.end()), Bytes(tileset.begin() + 1078, tileset.end()));
}

TEST(SplitLevel, RefusedLevelsWriteNothing) {
    struct Case {
        const char* what;
        Bytes level;
        std::string notice;
    };
    Bytes beyond = LevelBytes(TilesetBitmap(), kRecords);
    WriteU32(beyond.data() + 2, 0x7FFFFFFFu);
    const Case cases[] = {
        {"no tileset", RecordBytes(kRecords), "No tileset in LEVEL"},
        {"empty", Bytes{}, "No tileset in LEVEL"},
        {"size beyond the end", beyond, "LEVEL has a tileset size beyond the end of the file."},
        {"cut off size field", Bytes{'B', 'M', 1, 2}, "LEVEL has a tileset size beyond the end of the file."},
    };
    for (const Case& c : cases) {
        ScratchDir dir;
        RecordingHost host;
        std::string level = dir.Write("map.lvl", c.level);
        EXPECT_FALSE(host.Report(SplitLevel(host, level, false)).Done()) << c.what;
        std::string notice = c.notice;
        notice.replace(notice.find("LEVEL"), 5, level);
        EXPECT_EQ(host.Summary(), std::vector<std::string>{Framed(notice)}) << c.what;
        EXPECT_TRUE(host.Messages().empty()) << c.what;
        EXPECT_EQ(dir.Names(), std::vector<std::string>{"map.lvl"}) << c.what;
    }
}

TEST(SplitLevel, FailedSecondWriteTakesTheFirstBack) {
    ScratchDir dir;
    RecordingHost host;
    FailNthWrite faults(2);
    host.SetFaults(&faults);
    std::string level = dir.Write("map.lvl", LevelBytes(TilesetBitmap(), kRecords));
    EXPECT_FALSE(host.Report(SplitLevel(host, level, false)).Done());
    EXPECT_EQ(host.Summary(),
              std::vector<std::string>{Framed(dir.File("map-s.lvl") + " could not be written.")});
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"map.lvl"});
}

TEST(TileOperations, BatchesCountTheFilesDone) {
    ScratchDir dir;
    RecordingHost host;
    std::string tiles = dir.Write("tiles.bmp", TilesetBitmap());
    std::vector<std::string> files = {dir.Write("a.lvl", RecordBytes(kRecords)), dir.File("b.bmp"),
                                      dir.Write("c.LVL", LevelBytes(TilesetBitmap(), kRecords))};
    BatchOperation apply = ApplyTilesOperation(tiles, false);
    EXPECT_EQ(apply.dialogTitle, "Apply tileset to level(s):");
    BatchReport applied = RunBatch(host, files, apply.job);
    EXPECT_EQ(apply.CompletionText(applied),
              "Tileset application complete.\r\n\r\n2 processed.\r\n1 could not be processed.");
    EXPECT_EQ(applied.Written(), (std::vector<std::string>{dir.File("a-0.lvl"), dir.File("c.lvl")}));

    BatchOperation split = SplitTilesOperation(false);
    EXPECT_EQ(split.dialogTitle, "File(s) to split:");
    BatchReport splitted = RunBatch(host, files, split.job);
    EXPECT_EQ(split.CompletionText(splitted),
              "Level split completed.\r\n\r\n1 processed.\r\n2 could not be processed.");
    EXPECT_EQ(splitted.Written().size(), 2u);
}

TEST(ApplyAndSplit, RealLevelsComeBackByteForByte) {
    VETRA_REQUIRE_REALDATA();
    ScratchDir dir;
    RecordingHost host;
    std::string tiles = dir.Write("tiles.bmp", TilesetBitmap({.seed = 8, .comments = Letters(7)}));
    for (const std::string& real : RealDataFiles(".lvl")) {
        Bytes original = ReadBytes(real);
        LevelLayout layout = ParseLevel(original, TilesetSignature::SecondByte);
        // A level with extended level data keeps it behind the new tileset (the extended level data tests).
        if (layout.tilesetBeyondEnd || FindLevelSection(original)) continue;
        std::string level = dir.Write("level.lvl", original);
        ASSERT_TRUE(host.Report(ApplyTileset(host, level, tiles, {.replace = true})).Done()) << real;
        ASSERT_TRUE(host.Report(SplitLevel(host, level, false)).Done()) << real;
        EXPECT_EQ(ReadBytes(dir.File("level-s.bmp")), ReadBytes(tiles)) << real;
        EXPECT_EQ(ReadBytes(dir.File("level-s.lvl")),
                  Bytes(original.begin() + static_cast<std::ptrdiff_t>(layout.recordStart), original.end()))
            << real;
        for (const char* name : {"level.lvl", "level-s.bmp", "level-s.lvl"})
            RemoveFileQuietly(dir.File(name));
    }
}

}  // namespace
}  // namespace vetra::convert
