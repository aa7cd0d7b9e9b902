#include "formats/levelinspection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formats/bitmapheader.h"
#include "support/sectionfixtures.h"

namespace vetra {
namespace {

using Bytes = std::vector<std::uint8_t>;

using test::Chunk;
using test::Section;
constexpr auto Of = test::Text;

Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Bytes U32(std::uint32_t v) {
    Bytes b(4);
    WriteU32(b.data(), v);
    return b;
}

// A 304 x 160 tileset whose declared size covers the bytes behind its pixels; the field at offset 6 as given.
Bytes TilesetWith(const Bytes& behind, std::uint32_t reserved = 0) {
    auto header = TilesetHeader(160);
    Bytes bytes(header.begin(), header.end());
    bytes.resize(kTilesetSize, 0);
    bytes = bytes + behind;
    WriteU32(bytes.data() + 2, static_cast<std::uint32_t>(bytes.size()));
    WriteU32(bytes.data() + 6, reserved);
    return bytes;
}

Bytes Records(const std::vector<TileRecord>& records) { return EncodeTileRecords(records); }

TEST(LevelInspection, CountsWhatIsOddAboutTheRecords) {
    Bytes level = Records({{0, 0, 219},        // a station over 0..5 x 0..5
                           {3, 4, 1},          // under it
                           {6, 6, 1},          // beside it
                           {1023, 1023, 217},  // a large asteroid whose footprint leaves the map
                           {6, 6, 2},          // a second record at 6, 6
                           {6, 6, 0},          // and a third
                           {1024, 5, 1},       // outside the map
                           {5, 4000, 250},
                           {7, 7, 192}}) +
                  Bytes{0xAA, 0xBB};
    LevelInspection inspection = InspectLevel(level);
    EXPECT_FALSE(inspection.tileset);
    EXPECT_EQ(inspection.layout.recordCount, 9u);
    EXPECT_EQ(inspection.layout.trailingBytes, 2u);
    EXPECT_EQ(inspection.outsideMap, 2u);
    EXPECT_EQ(inspection.firstOutside, (TileRecord{1024, 5, 1}));
    EXPECT_EQ(inspection.duplicatePositions, 1u);
    EXPECT_EQ(inspection.duplicateRecords, 2u);
    EXPECT_EQ(inspection.hidden, 1u);
    EXPECT_EQ(inspection.tileCounts[0], 1u);
    EXPECT_EQ(inspection.tileCounts[1], 3u);
    EXPECT_EQ(inspection.tileCounts[250], 1u);
    EXPECT_TRUE(inspection.Damaged());
}

TEST(LevelInspection, DamageIsRecordsOutsideStrayBytesOrATilesetPastTheEnd) {
    EXPECT_FALSE(InspectLevel(Records({{1, 1, 1}, {1, 1, 200}})).Damaged());
    EXPECT_FALSE(InspectLevel(Bytes{}).Damaged());
    EXPECT_TRUE(InspectLevel(Records({{1, 1, 1}}) + Bytes{0}).Damaged());
    Bytes pastEnd = TilesetWith({});
    WriteU32(pastEnd.data() + 2, kTilesetSize + 1);
    LevelInspection inspection = InspectLevel(pastEnd);
    EXPECT_TRUE(inspection.layout.tilesetBeyondEnd);
    EXPECT_TRUE(inspection.tileset->beyondEnd);
    EXPECT_TRUE(inspection.Damaged());
    EXPECT_TRUE(InspectLevel(Bytes{'B', 'M', 1}).Damaged());
}

TEST(LevelInspection, ReadsATilesetOnlyBehindBothLetters) {
    Bytes level = Records({{0xD00, 4, 1}});  // outside the map; its second byte comes out as "M"
    LevelInspection inspection = InspectLevel(level);
    EXPECT_FALSE(inspection.tileset);
    EXPECT_TRUE(inspection.secondByteOnly);
    EXPECT_EQ(inspection.layout.recordCount, 1u);
}

struct BehindCase {
    const char* name;
    Bytes behind;
    std::uint32_t reserved;
    BehindPixels kind;
    std::size_t zerosBefore;
    std::string text;
};

TEST(LevelInspection, TellsWhatStandsBehindThePixels) {
    const std::uint32_t at = kTilesetSize + 2;
    const Bytes attr = Chunk("ATTR", Of("NAME=Arena"));
    const BehindCase cases[] = {
        {"nothing", {}, 0, BehindPixels::Nothing, 0, ""},
        {"padding", Bytes(190, 0), 0, BehindPixels::Nothing, 190, ""},
        {"text", Of("FACTS-0.9.0\r\n\r\n"), 0, BehindPixels::Text, 0, "FACTS-0.9.0\r\n\r\n"},
        {"text between zeros", Bytes{0, 0} + Of("Hi") + Bytes{0}, 0, BehindPixels::Text, 2, "Hi"},
        {"binary", Bytes{1, 2, 3}, 0, BehindPixels::Other, 0, ""},
        {"section", Bytes{0, 0} + Section({attr}), at, BehindPixels::ExtendedLevelData, 2, ""},
        {"section after text", Of("Hi") + Section({attr}), at, BehindPixels::ExtendedLevelData, 0, "Hi"},
        {"field points elsewhere", Bytes{0, 0} + Section({attr}), at + 4, BehindPixels::Other, 2, ""},
        {"field unaligned", Bytes{0, 0, 0} + Section({attr}), at + 1, BehindPixels::Other, 3, ""},
        {"field inside the pixels", Bytes{0, 0} + Section({attr}), 2000, BehindPixels::Other, 2, ""},
    };
    for (const BehindCase& c : cases) {
        SCOPED_TRACE(c.name);
        LevelInspection inspection = InspectLevel(TilesetWith(c.behind, c.reserved));
        ASSERT_TRUE(inspection.tileset);
        const TilesetInspection& t = *inspection.tileset;
        EXPECT_EQ(t.behind, c.kind);
        EXPECT_EQ(t.behindStart, kTilesetSize);
        EXPECT_EQ(t.behindLength, c.behind.size());
        EXPECT_EQ(t.zerosBefore, c.zerosBefore);
        EXPECT_EQ(t.text, c.text);
        EXPECT_EQ(inspection.layout.recordCount, 0u);
    }
}

TEST(LevelInspection, ListsTheChunksOfExtendedLevelData) {
    Bytes region = Chunk("rNAM", Of("goal")) + Chunk("rTIL", Bytes(5, 7));
    Bytes section =
        Section({Chunk("ATTR", Of("NAME=Arena")), Chunk("REGN", region), Chunk("DCID", Of("1234567"))});
    Bytes level = TilesetWith(Bytes{0, 0} + section + Bytes(4, 0), kTilesetSize + 2) + Records({{1, 2, 3}});
    LevelInspection inspection = InspectLevel(level);
    const ExtendedLevelData& e = *inspection.tileset->extended;
    EXPECT_EQ(e.offset, kTilesetSize + 2u);
    EXPECT_FALSE(e.Damaged());
    ASSERT_EQ(e.chunks.size(), 3u);
    EXPECT_EQ(e.chunks[0].text, "NAME=Arena");
    EXPECT_EQ(e.chunks[1].type, "REGN");
    EXPECT_EQ(e.chunks[1].text, "goal");
    EXPECT_EQ(e.chunks[2].size, 7u);
    EXPECT_EQ(inspection.layout.recordCount, 1u);
}

TEST(LevelInspection, MarksDamageInExtendedLevelData) {
    const std::uint32_t at = kTilesetSize + 2;
    Bytes id = Chunk("DCID", Of("12345678"));
    // The last chunk claims 46 bytes where the section has room for 32.
    Bytes overrun = Chunk("DCLV", Bytes(32, 9));
    WriteU32(overrun.data() + 4, 46);
    ExtendedLevelData e =
        *InspectLevel(TilesetWith(Bytes{0, 0} + Section({id, overrun}), at)).tileset->extended;
    ASSERT_EQ(e.chunks.size(), 2u);
    EXPECT_EQ(e.chunks[1].overrun, 14u);
    EXPECT_TRUE(e.Damaged());

    e = *InspectLevel(TilesetWith(Bytes{0, 0} + Section({id}, 500), at)).tileset->extended;
    EXPECT_TRUE(e.cut);
    EXPECT_EQ(e.chunks.size(), 1u);

    e = *InspectLevel(TilesetWith(Bytes{0, 0} + Section({id, Bytes{1, 2}}), at)).tileset->extended;
    EXPECT_EQ(e.stray, 2u);

    e = *InspectLevel(TilesetWith(Bytes{0, 0} + Of("elvl") + U32(8), at)).tileset->extended;
    EXPECT_TRUE(e.cut);
    EXPECT_TRUE(e.chunks.empty());
}

// The one listing that info view, the comments window and check show.
TEST(LevelInspection, DescribesEveryChunkOnOneLineOfItsOwn) {
    const std::uint32_t at = kTilesetSize + 2;
    Bytes overrun = Chunk("DCLV", Bytes(32, 9));
    WriteU32(overrun.data() + 4, 46);
    struct Case {
        const char* name;
        Bytes section;
        std::vector<std::string> lines;
        std::string damage;
    } cases[] = {
        {"attributes, a region and an editor's chunk",
         Section({Chunk("ATTR", Of("NAME=Arena")), Chunk("REGN", Chunk("rNAM", Of("goal"))),
                  Chunk("DCWT", Bytes(16, 3))}),
         {"NAME=Arena", "Region: goal", "DCWT chunk, 16 bytes"},
         ""},
        {"controls in a text and a type are escaped",
         Section({Chunk("ATTR", Of("A=1\r\nB=2")), Chunk(std::string("D\x01\xFFT", 4), Bytes(1, 0))}),
         {"A=1\\x0D\\x0AB=2", "D\\x01\\xFFT chunk, 1 byte"},
         ""},
        {"a chunk running past the section",
         Section({Chunk("DCID", Of("12345678")), overrun}),
         {"DCID chunk, 8 bytes", "DCLV chunk, 46 bytes declared, 14 past the end of the section (damaged)"},
         "its chunk DCLV runs past its end"},
        {"a size past the tileset",
         Section({Chunk("DCID", Of("1234"))}, 500),
         {"DCID chunk, 4 bytes"},
         "its size runs past the tileset"},
        {"stray bytes",
         Section({Chunk("DCID", Of("1234")), Bytes{1, 2}}),
         {"DCID chunk, 4 bytes"},
         "2 bytes at its end are not a chunk"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ExtendedLevelData e = *InspectLevel(TilesetWith(Bytes{0, 0} + c.section, at)).tileset->extended;
        EXPECT_EQ(DescribeChunks(e), c.lines);
        EXPECT_EQ(SectionDamage(e), c.damage);
    }
}

TEST(LevelInspection, FindsThePixelsEndFromTheirLayout) {
    // An uncompressed image-size field off by two is not trusted; the rows say where the pixels end.
    Bytes offByTwo = TilesetWith(Bytes{0, 0, 'x'});
    WriteU32(offByTwo.data() + 34, kTilesetPixelSize + 2);
    EXPECT_EQ(*InspectLevel(offByTwo).tileset->pixelEnd, kTilesetSize);

    Bytes deep = TilesetWith({});
    WriteU16(deep.data() + 28, 24);
    WriteU32(deep.data() + 10, 54);
    deep.resize(54 + 304 * 3 * 160 + 6, 0);
    WriteU32(deep.data() + 2, static_cast<std::uint32_t>(deep.size()));
    TilesetInspection t = *InspectLevel(deep).tileset;
    EXPECT_EQ(*t.pixelEnd, 54u + 304 * 3 * 160);
    EXPECT_EQ(t.behindLength, 6u);

    Bytes rle = TilesetWith(Bytes(10, 0));
    WriteU32(rle.data() + 30, 1);
    WriteU32(rle.data() + 34, 0);
    EXPECT_EQ(InspectLevel(rle).tileset->behind, BehindPixels::Unknown);
    WriteU32(rle.data() + 34, 100);
    EXPECT_EQ(InspectLevel(rle).tileset->behindLength, kTilesetSize + 10 - 1178u);
}

TEST(LevelInspection, DescribesBrokenHeadersWithoutReadingPastTheEnd) {
    EXPECT_FALSE(InspectLevel(Bytes{'B', 'M', 0, 0}).tileset->headerComplete);
    Bytes huge = TilesetWith({});
    WriteU32(huge.data() + 18, 0x7FFFFFFF);
    WriteU32(huge.data() + 22, 0x80000000);
    TilesetInspection t = *InspectLevel(huge).tileset;
    EXPECT_GT(t.pixelOverrun, 0u);
    EXPECT_EQ(t.behindLength, 0u);
    Bytes elvlPastEnd = TilesetWith({}, 0xFFFFFFFC);
    EXPECT_FALSE(InspectLevel(elvlPastEnd).tileset->extended);
}

}  // namespace
}  // namespace vetra
