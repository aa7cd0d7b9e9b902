#include "formats/tilerecord.h"

#include <gtest/gtest.h>

#include "formats/level.h"

namespace vetra {
namespace {

struct RecordCase {
    TileRecord record;
    std::array<std::uint8_t, 4> bytes;
};

const RecordCase kRecordCases[] = {
    {{300, 700, 170}, {0x2C, 0xC1, 0x2B, 0xAA}},
    {{1023, 1023, 1}, {0xFF, 0xF3, 0x3F, 0x01}},
    {{0, 0, 20}, {0x00, 0x00, 0x00, 0x14}},
    {{5, 17, 219}, {0x05, 0x10, 0x01, 0xDB}},
    {{4095, 4095, 255}, {0xFF, 0xFF, 0xFF, 0xFF}},
};

TEST(TileRecord, EncodesAndDecodesTheKnownBytes) {
    for (const RecordCase& c : kRecordCases) {
        EXPECT_EQ(c.record.Encode(), c.bytes) << c.record.x << "," << c.record.y;
        EXPECT_EQ(TileRecord::Decode(c.bytes.data()), c.record);
    }
}

TEST(TileRecord, SecondByteIsNeverTheTilesetSignatureInsideTheMap) {
    for (int x = 0; x < 1024; x += 7)
        for (int y = 0; y < 1024; y += 13) EXPECT_NE((TileRecord{x, y, 1}.Encode()[1]), 0x4D);
}

}  // namespace
}  // namespace vetra
