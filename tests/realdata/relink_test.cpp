#include "convert/relink.h"

#include <gtest/gtest.h>

#include <vector>

#include "formats/level.h"
#include "formats/levelinspection.h"
#include "realdata/realcopies.h"
#include "util/fileio.h"

namespace vetra {
namespace {

bool BeyondTheMapBitmap(int tile) { return tile != 0 && IsUnusualTile(tile); }

std::vector<TileRecord> Unmappable(const std::vector<std::uint8_t>& bytes, const LevelLayout& layout) {
    std::vector<TileRecord> kept;
    for (const TileRecord& r : ReadTileRecords(bytes, layout))
        if (BeyondTheMapBitmap(r.tile)) kept.push_back(r);
    return kept;
}

// Re-linking only re-joins walls: a zone's newer tiles, its tileset and its comments come through whole.
TEST(RealReLink, KeepsTheTilesetAndEveryTileABitmapCannotHold) {
    VETRA_REQUIRE_REALDATA();
    test::ScratchDir dir;
    std::size_t levels = 0, carried = 0;
    for (const test::RealCopy& level : test::CopyReal(dir, test::RealDataFiles(".lvl"))) {
        SCOPED_TRACE(level.original);
        RecordingHost host;
        FileResult outcome = host.Report(convert::ReLinkLevel(host, level.path, {}));
        test::ExpectUnchanged(level);
        test::ExpectClearOutcome(outcome, host, level.path);
        if (InspectLevel(level.bytes).Damaged()) continue;
        ASSERT_TRUE(outcome.Done());
        std::vector<std::uint8_t> linked = test::ReadBytes(outcome.written.at(0));
        LevelLayout source = ParseLevel(level.bytes, TilesetSignature::SecondByte);
        LevelLayout written = ParseLevel(linked, TilesetSignature::SecondByte);
        ASSERT_EQ(written.recordStart, source.recordStart);
        EXPECT_TRUE(std::equal(level.bytes.begin(),
                               level.bytes.begin() + static_cast<long>(source.recordStart), linked.begin()));
        std::vector<TileRecord> expected = Unmappable(level.bytes, source);
        std::vector<TileRecord> all = ReadTileRecords(linked, written);
        ASSERT_GE(all.size(), expected.size());
        EXPECT_EQ(std::vector<TileRecord>(all.end() - static_cast<long>(expected.size()), all.end()),
                  expected);
        EXPECT_EQ(Unmappable(linked, written).size(), expected.size());
        ++levels;
        carried += !expected.empty();
        RemoveFileQuietly(outcome.written.at(0));
    }
    EXPECT_EQ(levels, test::RealDataFiles(".lvl").size() - 1);
    RecordProperty("levels", static_cast<int>(levels));
    RecordProperty("with tiles carried over", static_cast<int>(carried));
}

}  // namespace
}  // namespace vetra
