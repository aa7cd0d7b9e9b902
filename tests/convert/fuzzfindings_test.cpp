// Inputs the fuzz targets found to break the conversion engine, each the smallest that showed the fault.
#include <gtest/gtest.h>

#include "convert/tilesetprimitives.h"
#include "formats/level.h"
#include "util/recordinghost.h"

namespace vetra {
namespace {

TEST(FuzzFindings, CleaningATilesetCutShortInsideItsHeaderKeepsItsSizeField) {
    RecordingHost host;
    Bytes copy{0x42, 0x4D, 0x06, 0x00, 0x00, 0x00};
    Convert::CleanTilesetCopy(host, copy, 160);
    ASSERT_GE(copy.size(), 6u);
    EXPECT_EQ(ReadU32(copy.data() + 2), 6u);
    for (std::size_t length : {0u, 1u, 2u, 3u}) {
        Bytes tiny(length, 0x4D);
        Convert::CleanTilesetCopy(host, tiny, 160);
        EXPECT_EQ(tiny.size(), 1078u);
    }
}

}  // namespace
}  // namespace vetra
