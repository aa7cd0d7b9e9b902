#include <gtest/gtest.h>

#include "convert/tilesetprimitives.h"
#include "formats/level.h"
#include "support/levelfixtures.h"
#include "support/recordinghost.h"
#include "util/resultreport.h"

namespace vetra::convert {
namespace {

struct LayoutCase {
    const char* name;
    std::uint16_t bitsPerPixel;
    std::uint32_t compression;
    std::uint32_t pixelOffset;
    const char* refusal;  // "" where the copy is cleaned
};

// Zones use 24- and 32-bit tilesets, compressed ones and short colour tables; the standard header and palette
// over any of them would turn the pixels into noise.
TEST(TilesetCleaning, LeavesTilesetsOfAnotherLayoutAsTheyAre) {
    const LayoutCase cases[] = {
        {"standard", 8, 0, 1078, ""},
        {"24-bit", 24, 0, 54, "the tileset is not an 8-bit uncompressed bitmap"},
        {"32-bit", 32, 0, 54, "the tileset is not an 8-bit uncompressed bitmap"},
        {"run-length", 8, 1, 1078, "the tileset is not an 8-bit uncompressed bitmap"},
        {"207 colours", 8, 0, 882, "the tileset's colour table is not the full 256 colours"},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.name);
        Bytes copy = test::TilesetBitmap({.comments = test::Letters(20)});
        WriteU16(copy.data() + 28, c.bitsPerPixel);
        WriteU32(copy.data() + 30, c.compression);
        WriteU32(copy.data() + 10, c.pixelOffset);
        const Bytes original = copy;
        RecordingHost host;
        FileResult result{"zone.lvl"};
        {
            ProgressTitle title(host);
            CleanTilesetCopyIfChosen(true, result, title, copy, 160, "zone.lvl");
        }
        host.Report(result);
        if (*c.refusal == '\0') {
            EXPECT_NE(copy, original);
            EXPECT_TRUE(host.Summary().empty());
            continue;
        }
        EXPECT_EQ(copy, original);
        EXPECT_EQ(host.Summary(),
                  std::vector<std::string>{FramedText(std::string("zone.lvl: ") + c.refusal +
                                                        "; its palette was left unchanged.")});
        EXPECT_TRUE(host.Titles().empty());
    }
}

}  // namespace
}  // namespace vetra::convert
