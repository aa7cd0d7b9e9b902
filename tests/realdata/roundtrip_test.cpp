#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>
#include <vector>

#include "convert/deconversion.h"
#include "convert/mapconversion.h"
#include "formats/levelinspection.h"
#include "formats/tiles.h"
#include "realdata/realcopies.h"
#include "util/fileio.h"

namespace vetra {
namespace {

using Place = std::tuple<int, int, int>;  // x, y, tile

std::vector<TileRecord> RecordsOf(const std::vector<std::uint8_t>& bytes) {
    return ReadTileRecords(bytes, ParseLevel(bytes, TilesetSignature::SecondByte));
}

// Cells that more than one record draws on, through its own cell or an object's footprint: there the map
// bitmap can show only one of them.
std::vector<bool> OverdrawnCells(const std::vector<TileRecord>& records) {
    std::vector<int> drawn(1024 * 1024, 0);
    for (const TileRecord& r : records) {
        int side = std::max(tiles::TileSize(r.tile), 1);
        for (int y = r.y; y < std::min(r.y + side, 1024); ++y)
            for (int x = r.x; x < std::min(r.x + side, 1024); ++x) ++drawn[y * 1024 + x];
    }
    std::vector<bool> overdrawn(drawn.size());
    for (std::size_t i = 0; i < drawn.size(); ++i) overdrawn[i] = drawn[i] > 1;
    return overdrawn;
}

// Deconvert then convert gives the level's records back as a set, less what a map bitmap cannot hold (tile
// numbers 0, 191-215, 221-255) and less the records that share a cell with another one.
TEST(RealRoundTrip, DeconvertThenConvertGivesBackTheRecords) {
    VETRA_REQUIRE_REALDATA();
    test::ScratchDir dir;
    std::size_t levels = 0, exact = 0;
    for (const test::RealCopy& level : test::CopyReal(dir, test::RealDataFiles(".lvl"))) {
        SCOPED_TRACE(level.original);
        if (InspectLevel(level.bytes).Damaged()) continue;  // deconversion refuses it; tested with the others
        RecordingHost host;
        FileResult bitmaps = host.Report(convert::DeconvertLevel(host, level.path, {}));
        ASSERT_TRUE(bitmaps.Done());
        std::string converted = dir.File("round trip.lvl");
        FileResult conversion = host.Report(convert::Convert(host, bitmaps.written.back(), converted, {}));
        test::ExpectUnchanged(level);

        std::vector<TileRecord> records = RecordsOf(level.bytes);
        std::vector<bool> overdrawn = OverdrawnCells(records);
        std::set<Place> expected, excused;
        for (const TileRecord& r : records) {
            if (IsUnusualTile(r.tile)) continue;
            (overdrawn[r.y * 1024 + r.x] ? excused : expected).insert({r.x, r.y, r.tile});
        }
        std::vector<TileRecord> back =
            conversion.Done() ? RecordsOf(test::ReadBytes(converted)) : std::vector<TileRecord>{};
        std::set<Place> got;
        for (const TileRecord& r : back) got.insert({r.x, r.y, r.tile});
        EXPECT_EQ(got.size(), back.size()) << "the conversion wrote a cell twice";
        std::size_t missing = 0, foreign = 0;
        for (const Place& place : expected) missing += got.count(place) == 0;
        for (const Place& place : got) foreign += expected.count(place) == 0 && excused.count(place) == 0;
        EXPECT_EQ(missing, 0u);
        EXPECT_EQ(foreign, 0u);
        ++levels;
        exact += excused.empty();
        for (const std::string& file : bitmaps.written) RemoveFileQuietly(file);
        RemoveFileQuietly(converted);
    }
    EXPECT_EQ(levels, test::RealDataFiles(".lvl").size() - 1);
    RecordProperty("levels", static_cast<int>(levels));
    RecordProperty("without overdrawn cells", static_cast<int>(exact));
}

}  // namespace
}  // namespace vetra
