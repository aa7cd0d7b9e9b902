#include "convert/blankmap.h"

#include <gtest/gtest.h>

#include "convert/bytecursor.h"
#include "formats/bitmapheader.h"
#include "formats/mappalette.h"
#include "support/failnthwrite.h"
#include "support/levelfixtures.h"
#include "support/recordinghost.h"
#include "support/scratchdir.h"

namespace vetra::convert {
namespace {

using namespace vetra::test;

Bytes ExpectedHeader() {
    auto header = MapBitmapHeader();
    auto palette = MapPaletteTable();
    return Joined(Bytes(header.begin(), header.end()), Bytes(palette.begin(), palette.end()));
}

TEST(BlankMap, HeaderPaletteThenZerosReplacingAnOldFile) {
    ScratchDir dir;
    RecordingHost host;
    std::string path = dir.Write("new.bmp", "old");
    FileResult outcome = host.Report(MakeBlankMap(host, path));
    ASSERT_TRUE(outcome.Done());
    EXPECT_EQ(outcome.written, std::vector<std::string>{path});
    Bytes file = ReadBytes(path);
    ASSERT_EQ(file.size(), 1049654u);
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 1078), ExpectedHeader());
    EXPECT_TRUE(std::all_of(file.begin() + 1078, file.end(), [](std::uint8_t b) { return b == 0; }));
    EXPECT_EQ(host.Titles(), (std::vector<std::string>{"Creating headers...", "Writing headers...",
                                                       "Saving blank space..."}));
    EXPECT_TRUE(host.Messages().empty());
}

TEST(BlankMap, HeaderAlone) {
    ScratchDir dir;
    RecordingHost host;
    ASSERT_TRUE(host.Report(MakeMapHeader(host, dir.File("h.bmp"))).Done());
    EXPECT_EQ(ReadBytes(dir.File("h.bmp")), ExpectedHeader());
}

TEST(BlankMap, FailedWritesKeepTheOldFile) {
    struct Case {
        FileResult (*make)(Progress&, const std::string&);
        const char* what;
    };
    for (const Case& c : {Case{MakeBlankMap, "blank map"}, Case{MakeMapHeader, "map header"}}) {
        ScratchDir dir;
        RecordingHost host;
        FailNthWrite faults(1);
        host.SetFaults(&faults);
        std::string path = dir.Write("new.bmp", "old");
        EXPECT_FALSE(host.Report(c.make(host, path)).Done());
        EXPECT_EQ(host.Messages(), std::vector<std::string>{std::string("Could not write the ") + c.what + " " + path +
                                                            ": writing failed (Input/output error)."});
        EXPECT_EQ(ReadBytes(path), Bytes({'o', 'l', 'd'}));
        EXPECT_EQ(dir.Names(), std::vector<std::string>{"new.bmp"});
    }
}

TEST(ByteCursor, GivenOrNextPosition) {
    Bytes buffer(5, 0);
    ByteCursor put;
    EXPECT_TRUE(put.Put(buffer, 0, 7, true));
    EXPECT_TRUE(put.Put(buffer, 0, 8, false));
    EXPECT_TRUE(put.Put(buffer, 3, 9, false));
    EXPECT_TRUE(put.Put(buffer, 0, 10, false));
    EXPECT_EQ(buffer, (Bytes{7, 8, 0, 9, 10}));
    EXPECT_FALSE(put.Put(buffer, 0, 11, false));
    EXPECT_FALSE(put.Put(buffer, -1, 11, true));
    EXPECT_EQ(buffer, (Bytes{7, 8, 0, 9, 10}));
}

}  // namespace
}  // namespace vetra::convert
