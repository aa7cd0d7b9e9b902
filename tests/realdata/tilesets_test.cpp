#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "convert/deconversion.h"
#include "convert/defaultpalette.h"
#include "convert/levelsplit.h"
#include "convert/tilesetapplication.h"
#include "formats/levelinspection.h"
#include "formats/tiles.h"
#include "realdata/realcopies.h"
#include "util/fileio.h"

namespace vetra {
namespace {

using test::RealCopy;
using Kind = RecordingHost::Kind;

bool SummaryHas(const RecordingHost& host, const std::string& text) {
    for (const std::string& line : host.Summary())
        if (line.find(text) != std::string::npos) return true;
    return false;
}

// Cleaning a copy only makes sense where the standard header and colour table stand over the same layout.
bool Cleanable(std::span<const std::uint8_t> tileset) {
    auto header = ReadBitmapInfo(tileset);
    return header && header->bitsPerPixel == 8 && header->compression == 0 &&
           header->pixelOffset == kPixelOffset;
}

// The tileset as an operation should write it: its first S bytes, cleaned when asked and where that is sound.
void ExpectTilesetCopy(const std::vector<std::uint8_t>& written, std::span<const std::uint8_t> source,
                       bool clean) {
    std::uint32_t size = ReadU32(source.data() + 2);
    ASSERT_EQ(written.size(), size);
    if (!clean || !Cleanable(source)) {
        EXPECT_TRUE(std::equal(written.begin(), written.end(), source.begin())) << "not a plain copy";
        return;
    }
    auto palette = convert::DefaultPaletteTable();
    EXPECT_TRUE(std::equal(palette.begin(), palette.end(), written.begin() + 54)) << "palette not cleaned";
    EXPECT_TRUE(std::equal(written.begin() + 2, written.begin() + 10, source.begin() + 2)) << "size not kept";
    EXPECT_TRUE(std::equal(written.begin() + kPixelOffset, written.end(), source.begin() + kPixelOffset))
        << "pixels or what stands behind them changed";
}

// A tileset left as it was, when cleaning was asked for, says so.
void ExpectCleaningNotice(const RecordingHost& host, const RealCopy& file, bool clean) {
    bool refused = clean && !Cleanable(file.bytes);
    EXPECT_EQ(SummaryHas(host, file.path + ": the tileset"), refused);
    EXPECT_EQ(SummaryHas(host, "; its palette was left unchanged."), refused);
}

std::uint8_t Pixel(const std::vector<std::uint8_t>& map, const TileRecord& record) {
    return map[kPixelOffset + static_cast<std::size_t>((1023 - record.y) * 1024 + record.x)];
}

// Every record the map can show on its own cell is there; what it cannot hold is counted in one notice.
void ExpectMapOfRecords(const std::vector<std::uint8_t>& map, const RealCopy& level,
                        const RecordingHost& host) {
    ASSERT_EQ(map.size(), kMapBitmapSize);
    LevelLayout layout = ParseLevel(level.bytes, TilesetSignature::SecondByte);
    std::vector<TileRecord> records = ReadTileRecords(level.bytes, layout);
    // Cells drawn more than once, by several records or by an object's footprint, are left aside.
    std::vector<int> drawn(1024 * 1024, 0);
    for (const TileRecord& r : records) {
        int side = tiles::TileSize(r.tile);
        for (int y = r.y; y < std::min(r.y + std::max(side, 1), 1024); ++y)
            for (int x = r.x; x < std::min(r.x + std::max(side, 1), 1024); ++x) ++drawn[y * 1024 + x];
    }
    std::size_t leftOut = 0, wrong = 0;
    for (const TileRecord& r : records) {
        bool holdable = !IsUnusualTile(r.tile) || r.tile == 0;
        leftOut += holdable ? 0 : 1;
        if (drawn[r.y * 1024 + r.x] > 1) continue;
        wrong += Pixel(map, r) != (holdable ? r.tile : 0);
    }
    EXPECT_EQ(wrong, 0u);
    if (leftOut == 0) return;
    std::string count = std::to_string(leftOut) + (leftOut == 1 ? " tile that" : " tiles that");
    EXPECT_TRUE(SummaryHas(host, level.path + ": " + count + " a map bitmap cannot hold")) << leftOut;
}

class RealDeconversion : public testing::TestWithParam<bool> {};

TEST_P(RealDeconversion, EveryLevelGivesItsMapAndTileset) {
    VETRA_REQUIRE_REALDATA();
    bool clean = GetParam();
    test::ScratchDir dir;
    for (const RealCopy& level : test::CopyReal(dir, test::RealDataFiles(".lvl"))) {
        SCOPED_TRACE(level.original);
        RecordingHost host;
        FileResult outcome = host.Report(convert::DeconvertLevel(host, level.path, {.cleanPalette = clean}));
        test::ExpectUnchanged(level);
        test::ExpectClearOutcome(outcome, host, level.path);
        LevelInspection inspection = InspectLevel(level.bytes);
        EXPECT_EQ(outcome.Done(), inspection.outsideMap == 0);
        if (!outcome.Done()) {
            EXPECT_TRUE(SummaryHas(host, level.path + " has a tile record outside the map"));
            continue;
        }
        ASSERT_EQ(outcome.written.size(), inspection.tileset ? 2u : 1u);
        if (inspection.tileset) ExpectTilesetCopy(test::ReadBytes(outcome.written[0]), level.bytes, clean);
        if (inspection.tileset) ExpectCleaningNotice(host, level, clean);
        ExpectMapOfRecords(test::ReadBytes(outcome.written.back()), level, host);
    }
}

INSTANTIATE_TEST_SUITE_P(CleanPalette, RealDeconversion, testing::Bool());

// The real tilesets, and the levels that carry one, as sources for a tileset.
std::vector<std::string> TilesetSources() {
    std::vector<std::string> sources = test::RealDataFiles(".bmp");
    for (const std::string& file : test::RealDataFiles(".bm2")) sources.push_back(file);
    for (const std::string& file : test::RealDataFiles(".lvl"))
        if (InspectLevel(test::ReadBytes(file)).tileset) sources.push_back(file);
    return sources;
}

// A source is refused when it is no 304-pixel wide tileset or ends before its declared size or palette.
bool Acceptable(std::span<const std::uint8_t> source) {
    LevelLayout layout = ParseLevel(source, TilesetSignature::SecondByte);
    return PassesTilesetWidth(source) && !layout.tilesetBeyondEnd && layout.tilesetSize >= kPixelOffset;
}

class RealTilesetApplication : public testing::TestWithParam<bool> {};

TEST_P(RealTilesetApplication, EveryTilesetGoesOntoAPlainLevel) {
    VETRA_REQUIRE_REALDATA();
    bool clean = GetParam();
    test::ScratchDir dir;
    std::vector<std::string> levels = test::RealDataFiles(".lvl");
    auto plain = std::find_if(levels.begin(), levels.end(), [](const std::string& path) {
        return filenameext::BareFileName(path) == "smallmap.lvl";  // records only
    });
    ASSERT_NE(plain, levels.end());
    RealCopy level = test::CopyReal(dir, *plain);
    ASSERT_FALSE(InspectLevel(level.bytes).tileset);
    for (const std::string& original : TilesetSources()) {
        SCOPED_TRACE(original);
        test::ScratchDir sourceDir;
        RealCopy source = test::CopyReal(sourceDir, original);
        RecordingHost host;
        FileResult outcome =
            host.Report(convert::ApplyTileset(host, level.path, source.path, {.cleanPalette = clean}));
        test::ExpectUnchanged(level);
        test::ExpectUnchanged(source);
        test::ExpectClearOutcome(outcome, host, source.path);
        ASSERT_EQ(outcome.Done(), Acceptable(source.bytes));
        if (!outcome.Done()) continue;
        ASSERT_EQ(outcome.written.size(), 1u);
        std::vector<std::uint8_t> written = test::ReadBytes(outcome.written[0]);
        std::uint32_t size = ReadU32(source.bytes.data() + 2);
        ASSERT_EQ(written.size(), size + level.bytes.size());
        ExpectTilesetCopy(std::vector<std::uint8_t>(written.begin(), written.begin() + size), source.bytes,
                          clean);
        EXPECT_TRUE(std::equal(level.bytes.begin(), level.bytes.end(), written.begin() + size));
        ExpectCleaningNotice(host, source, clean);
        RemoveFileQuietly(outcome.written[0]);
    }
}

INSTANTIATE_TEST_SUITE_P(CleanPalette, RealTilesetApplication, testing::Bool());

TEST(RealTilesetSplit, SplitThenApplyGivesBackTheLevelsBytes) {
    VETRA_REQUIRE_REALDATA();
    test::ScratchDir dir;
    for (const RealCopy& level : test::CopyReal(dir, test::RealDataFiles(".lvl"))) {
        SCOPED_TRACE(level.original);
        RecordingHost host;
        FileResult split = host.Report(convert::SplitLevel(host, level.path, false));
        test::ExpectUnchanged(level);
        test::ExpectClearOutcome(split, host, level.path);
        bool hasTileset = PassesTilesetSignature(level.bytes);
        ASSERT_EQ(split.Done(), hasTileset);
        if (!hasTileset) {
            EXPECT_TRUE(SummaryHas(host, "No tileset in " + level.path));
            continue;
        }
        ASSERT_EQ(split.written.size(), 2u);
        const std::string& tileset = split.written[0];
        const std::string& records = split.written[1];
        FileResult apply = host.Report(convert::ApplyTileset(host, records, tileset, {.replace = true}));
        ASSERT_TRUE(apply.Done());
        EXPECT_TRUE(test::ReadBytes(records) == level.bytes) << "split and apply changed the level";
    }
}

}  // namespace
}  // namespace vetra
