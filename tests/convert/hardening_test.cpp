// Inputs the fuzz targets and the bad-input matrix found to break the engine, each the smallest that showed it.
#include <gtest/gtest.h>

#include <functional>

#include "convert/blanktileset.h"
#include "convert/deconversion.h"
#include "convert/levelsplit.h"
#include "convert/tilesetapplication.h"
#include "convert/tilesetprimitives.h"
#include "formats/level.h"
#include "support/scratchdir.h"
#include "support/recordinghost.h"

namespace vetra {
namespace {

TEST(Hardening, CleaningATilesetCutShortInsideItsHeaderKeepsItsSizeField) {
    RecordingHost host;
    Bytes copy{0x42, 0x4D, 0x06, 0x00, 0x00, 0x00};
    convert::CleanTilesetCopy(copy, 160);
    ASSERT_GE(copy.size(), 6u);
    EXPECT_EQ(ReadU32(copy.data() + 2), 6u);
    for (std::size_t length : {0u, 1u, 2u, 3u}) {
        Bytes tiny(length, 0x4D);
        convert::CleanTilesetCopy(tiny, 160);
        EXPECT_EQ(tiny.size(), 1078u);
    }
}

// "BM" and a tileset size of 0: the records would start at the tileset's own header.
TEST(Hardening, ATilesetSizeInsideTheHeaderIsRefusedByEveryTool) {
    using Tool = std::function<FileResult(RecordingHost&, const std::string&, const test::ScratchDir&)>;
    const std::vector<std::pair<std::string, Tool>> tools{
        {"split",
         [](RecordingHost& host, const std::string& level, const test::ScratchDir&) {
             return host.Report(convert::SplitLevel(host, level, false));
         }},
        {"apply",
         [](RecordingHost& host, const std::string& level, const test::ScratchDir& dir) {
             return host.Report(convert::ApplyTileset(host, level, dir.File("t.bmp"), {}));
         }},
        {"deconvert",
         [](RecordingHost& host, const std::string& level, const test::ScratchDir&) {
             return host.Report(convert::DeconvertLevel(host, level, {}));
         }},
    };
    for (std::uint32_t size : {0u, 54u, 1077u}) {
        for (const auto& [name, tool] : tools) {
            SCOPED_TRACE(name + " with size " + std::to_string(size));
            test::ScratchDir dir;
            RecordingHost host;
            Bytes level = convert::BlankTilesetBytes();
            dir.Write("t.bmp", level);
            WriteU32(level.data() + 2, size);
            std::string path = dir.Write("level.lvl", level);
            std::vector<std::string> before = dir.Names();
            EXPECT_FALSE(tool(host, path, dir).Done());
            EXPECT_EQ(dir.Names().size(), before.size()) << "an output was written";
            std::string summary;
            for (const std::string& line : host.Summary()) summary += line;
            EXPECT_NE(summary.find(path + " has a tileset size smaller than"), std::string::npos) << summary;
        }
    }
}

}  // namespace
}  // namespace vetra
