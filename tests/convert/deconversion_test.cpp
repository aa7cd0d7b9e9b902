#include "convert/deconversion.h"

#include <gtest/gtest.h>

#include "convert/defaultpalette.h"
#include "formats/level.h"
#include "formats/mappalette.h"
#include "support/failnthwrite.h"
#include "support/levelfixtures.h"
#include "support/recordinghost.h"
#include "support/scratchdir.h"

namespace vetra::convert {
namespace {

using namespace vetra::test;

std::string Framed(const std::string& text) {
    return "-=-=-=-=-=-=-=-=-\r\n" + text + "\r\n-=-=-=-=-=-=-=-=-";
}

std::uint8_t Pixel(const Bytes& map, int x, int y) { return map.at(1078 + (1023 - y) * 1024 + x); }

// Deconverts a level written as map.lvl in a fresh folder.
struct Deconversion {
    ScratchDir dir;
    RecordingHost host;
    std::string level;
    FileResult result;

    explicit Deconversion(const Bytes& bytes, const ConverterWallTiles& wallTiles = {}, bool clean = false) {
        level = dir.Write("map.lvl", bytes);
        result = host.Report(LevelToBitmaps(host, level, dir.File("map-t.bmp"), dir.File("map-m.bmp"),
                                            {.wallTiles = wallTiles, .cleanPalette = clean}));
    }
    Bytes Map() const { return ReadBytes(dir.File("map-m.bmp")); }
};

ConverterWallTiles WallTiles(std::vector<std::pair<std::vector<std::pair<int, int>>, bool>> wallTiles) {
    ConverterWallTiles set;
    for (const auto& [entries, diagonals] : wallTiles) {
        WallTileEntries definition{};
        definition.fill(1);  // tile 1 appears nowhere in the tests' levels
        for (auto [entry, tile] : entries)
            definition[static_cast<std::size_t>(entry)] = static_cast<std::uint8_t>(tile);
        set.definitions.push_back(definition);
        set.diagonals.push_back(diagonals);
    }
    return set;
}

TEST(DeconvertLevel, NamesTheBitmapsAfterTheLevel) {
    ScratchDir dir;
    RecordingHost host;
    std::string plain = dir.Write("plain.lvl", RecordBytes({{1, 1, 5}}));
    std::string tiled = dir.Write("map.lvl", LevelBytes(TilesetBitmap(), {{1, 1, 5}}));
    dir.Write("map-m.bmp", "taken");
    EXPECT_EQ(host.Report(DeconvertLevel(host, plain, {})).written, std::vector<std::string>{dir.File("plain-m.bmp")});
    EXPECT_EQ(host.Report(DeconvertLevel(host, tiled, {})).written,
              (std::vector<std::string>{dir.File("map-t.bmp"), dir.File("map-m-0.bmp")}));
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"map-m-0.bmp", "map-m.bmp", "map-t.bmp", "map.lvl",
                                                     "plain-m.bmp", "plain.lvl"}));
    EXPECT_EQ(Pixel(ReadBytes(dir.File("map-m-0.bmp")), 1, 1), 5);
}

TEST(LevelToBitmaps, TilesetBitmapIsTheLevelsTilesetCommentsIncluded) {
    Bytes tileset = TilesetBitmap({.seed = 3, .comments = Letters(50)});
    Deconversion plain(LevelBytes(tileset, {{2, 3, 4}}));
    EXPECT_TRUE(plain.result.Done());
    EXPECT_EQ(ReadBytes(plain.dir.File("map-t.bmp")), tileset);
    EXPECT_EQ(Pixel(plain.Map(), 2, 3), 4);

    Deconversion cleaned(LevelBytes(tileset, {{2, 3, 4}}), {}, true);
    Bytes bitmap = ReadBytes(cleaned.dir.File("map-t.bmp"));
    ASSERT_EQ(bitmap.size(), tileset.size());
    EXPECT_EQ(bitmap[54 + 4 * 79 + 2], 0xFF);
    EXPECT_EQ(Bytes(bitmap.begin() + 1078, bitmap.end()), Bytes(tileset.begin() + 1078, tileset.end()));
}

TEST(LevelToBitmaps, EmptyLevelsGiveAnAllZeroMap) {
    for (const Bytes& level : {Bytes{}, TilesetBitmap(), Bytes{1, 2}}) {
        Deconversion run(level);
        EXPECT_TRUE(run.result.Done());
        Bytes map = run.Map();
        ASSERT_EQ(map.size(), 1049654u);
        auto palette = MapPaletteTable();
        EXPECT_EQ(Bytes(map.begin() + 54, map.begin() + 1078), Bytes(palette.begin(), palette.end()));
        EXPECT_TRUE(std::all_of(map.begin() + 1078, map.end(), [](std::uint8_t b) { return b == 0; }));
    }
}

TEST(LevelToBitmaps, RefusedLevels) {
    Bytes narrow = LevelBytes(TilesetBitmap(), {{1, 1, 1}});
    narrow[19] = 0x02;
    Bytes beyond = LevelBytes(TilesetBitmap(), {{1, 1, 1}});
    WriteU32(beyond.data() + 2, static_cast<std::uint32_t>(beyond.size() + 4));
    struct Case {
        const char* what;
        Bytes level;
        std::string notice;
    };
    const Case cases[] = {
        {"narrow", narrow, "LEVEL does not begin with a 304-pixel wide tileset bitmap."},
        {"beyond", beyond, "LEVEL has a tileset size beyond the end of the file."},
    };
    for (const Case& c : cases) {
        Deconversion run(c.level);
        EXPECT_FALSE(run.result.Done()) << c.what;
        std::string notice = c.notice;
        notice.replace(0, 5, run.level);
        EXPECT_EQ(run.host.Summary(), std::vector<std::string>{Framed(notice)}) << c.what;
        EXPECT_EQ(run.dir.Names(), std::vector<std::string>{"map.lvl"}) << c.what;
    }

    ScratchDir dir;
    RecordingHost host;
    FileResult result =
        host.Report(LevelToBitmaps(host, dir.File("gone.lvl"), dir.File("t.bmp"), dir.File("m.bmp"), {}));
    EXPECT_FALSE(result.Done());
    EXPECT_EQ(host.Summary(), std::vector<std::string>{Framed(dir.File("gone.lvl") + " could not be read.")});
    EXPECT_TRUE(dir.Names().empty());
}

TEST(LevelToBitmaps, RecordOutsideTheMapWritesNothing) {
    for (TileRecord outside : {TileRecord{1024, 5, 1}, TileRecord{3, 1024, 1}}) {
        Deconversion run(LevelBytes(TilesetBitmap(), {{1, 1, 1}, outside, {4095, 4095, 2}}));
        EXPECT_FALSE(run.result.Done());
        EXPECT_TRUE(run.result.written.empty());
        EXPECT_EQ(run.host.Summary(),
                  std::vector<std::string>{Framed(run.level + " has a tile record outside the map (" +
                                                  std::to_string(outside.x) + ", " +
                                                  std::to_string(outside.y) + ").")});
        EXPECT_EQ(run.dir.Names(), std::vector<std::string>{"map.lvl"});
    }
}

TEST(LevelToBitmaps, ObjectsFillTheirSquaresInsideTheMapOnly) {
    Deconversion run(RecordBytes({{1023, 0, 217},
                                  {1022, 1022, 219},
                                  {10, 10, 219},
                                  {12, 12, 200},
                                  {50, 60, 220},
                                  {0, 1023, 216},
                                  {5, 5, 218}}));
    Bytes map = run.Map();
    EXPECT_EQ(Pixel(map, 1023, 0), 217);
    EXPECT_EQ(Pixel(map, 1023, 1), 221);
    EXPECT_EQ(Pixel(map, 0, 1), 0) << "no wrap into the next row";
    EXPECT_EQ(Pixel(map, 1022, 1022), 219);
    EXPECT_EQ(Pixel(map, 1023, 1023), 222);
    EXPECT_EQ(Pixel(map, 10, 10), 219);
    EXPECT_EQ(Pixel(map, 15, 15), 222);
    EXPECT_EQ(Pixel(map, 16, 10), 0);
    EXPECT_EQ(Pixel(map, 12, 12), 0) << "an invalid tile clears the station's fill";
    EXPECT_EQ(Pixel(map, 13, 12), 222);
    EXPECT_EQ(Pixel(map, 50, 60), 220);
    EXPECT_EQ(Pixel(map, 54, 64), 223);
    EXPECT_EQ(Pixel(map, 55, 64), 0);
    EXPECT_EQ(Pixel(map, 0, 1023), 216);
    EXPECT_EQ(Pixel(map, 5, 5), 218);
    EXPECT_EQ(run.host.Summary(),
              std::vector<std::string>{Framed(
                  run.level + ": 1 tile that a map bitmap cannot hold was left out (tile number: 200).")});
}

TEST(LevelToBitmaps, TilesAMapCannotHoldAreListedOnce) {
    ConverterWallTiles set = WallTiles({{{{3, 230}}, false}});
    Deconversion run(
        RecordBytes({{1, 1, 250}, {2, 1, 191}, {3, 1, 250}, {4, 1, 221}, {5, 1, 230}, {6, 1, 190}}), set);
    EXPECT_TRUE(run.result.Done());
    EXPECT_EQ(Pixel(run.Map(), 5, 1), 255) << "drawn as WallTile 0";
    EXPECT_EQ(Pixel(run.Map(), 1, 1), 0);
    EXPECT_EQ(run.host.Summary(),
              std::vector<std::string>{Framed(
                  run.level +
                  ": 4 tiles that a map bitmap cannot hold were left out (tile numbers: 191, 221, 250).")});
}

TEST(LevelToBitmaps, WallTileSearch) {
    struct Case {
        const char* what;
        ConverterWallTiles set;
        std::uint8_t tile;
        std::uint8_t drawn;
    };
    const Case cases[] = {
        {"first WallTile wins", WallTiles({{{{0, 5}}, false}, {{}, false}, {{{15, 5}}, false}}), 5, 255},
        {"later WallTile", WallTiles({{{}, false}, {{}, false}, {{{15, 5}}, false}}), 5, 253},
        {"diagonal entry ignored without the flag", WallTiles({{{{17, 5}}, false}}), 5, 5},
        {"diagonal entry with the flag", WallTiles({{{}, false}, {{{19, 5}}, true}}), 5, 254},
        {"tile 0 in a definition", WallTiles({{{{4, 0}}, false}}), 0, 255},
        {"no set", {}, 5, 5},
    };
    for (const Case& c : cases) {
        Deconversion run(RecordBytes({{7, 9, c.tile}}), c.set);
        Bytes map = run.Map();
        EXPECT_EQ(Pixel(map, 7, 9), c.drawn) << c.what;
        EXPECT_EQ(Pixel(map, 0, 0), 0) << c.what;
    }
}

TEST(LevelToBitmaps, ThreeByteFragmentIsOneMoreRecordOfTileZero) {
    Bytes records = RecordBytes({{7, 8, 5}, {7, 8, 9}});
    Deconversion three(Bytes(records.begin(), records.end() - 1));
    EXPECT_EQ(Pixel(three.Map(), 7, 8), 0);
    Deconversion two(Bytes(records.begin(), records.end() - 2));
    EXPECT_EQ(Pixel(two.Map(), 7, 8), 5);
}

TEST(LevelToBitmaps, ProgressTitles) {
    std::vector<TileRecord> records(256, TileRecord{3, 3, 3});
    Deconversion run(LevelBytes(TilesetBitmap(), records));
    EXPECT_EQ(run.host.Titles(),
              (std::vector<std::string>{"Loading level...", "100% loaded...", "Creating bitmap...",
                                        "0% created...", "50% created...", "100% created...",
                                        "Creating headers...", "Writing headers...", "Saving blank space...",
                                        "Writing tileset...", "Writing bitmap..."}));
    EXPECT_EQ(run.host.Calls().back().kind, RecordingHost::Kind::RestoreTitle);
}

TEST(LevelToBitmaps, FailedMapWriteLeavesNoMap) {
    ScratchDir dir;
    RecordingHost host;
    FailNthWrite faults(1, WriteStep::Flush);
    host.SetFaults(&faults);
    std::string level = dir.Write("map.lvl", RecordBytes({{1, 1, 1}}));
    FileResult result = host.Report(LevelToBitmaps(host, level, dir.File("t.bmp"), dir.File("m.bmp"), {}));
    EXPECT_FALSE(result.Done());
    EXPECT_EQ(host.Summary(), std::vector<std::string>{Framed(dir.File("m.bmp") + " could not be written.")});
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"map.lvl"});
}

TEST(DeconvertOperation, DrawsWithTheSetItIsGivenAndCountsTheFilesDone) {
    ScratchDir dir;
    RecordingHost host;
    std::vector<std::string> files = {dir.Write("a.lvl", RecordBytes({{1, 1, 5}})), dir.File("b.txt"),
                                      dir.File("c.lvl")};
    BatchOperation operation = DeconvertOperation({.wallTiles = WallTiles({{{{0, 5}}, false}})});
    EXPECT_EQ(operation.dialogTitle, "File(s) to deconvert:");
    EXPECT_EQ(operation.filter, "SubSpace Levels (*.lvl)|*.lvl");
    BatchReport report = RunBatch(host, files, operation.job);
    EXPECT_EQ(operation.CompletionText(report),
              "Deconversion complete.\r\n\r\n1 deconverted.\r\n2 could not be deconverted.");
    EXPECT_EQ(Pixel(ReadBytes(dir.File("a-m.bmp")), 1, 1), 255);

    RunBatch(host, {files[0]}, DeconvertOperation({}).job);
    EXPECT_EQ(Pixel(ReadBytes(dir.File("a-m-0.bmp")), 1, 1), 5);
}

}  // namespace
}  // namespace vetra::convert
