#include "convert/blankmap.h"

#include <gtest/gtest.h>

#include "convert/likeput.h"
#include "fixtures.h"
#include "formats/mappalette.h"
#include "support/scratchdir.h"
#include "util/recordinghost.h"

namespace vetra::Convert {
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
    Outcome outcome = MakeBlankMap(host, path);
    ASSERT_TRUE(outcome.succeeded);
    EXPECT_EQ(outcome.created, std::vector<std::string>{path});
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
    ASSERT_TRUE(MakeMapHeader(host, dir.File("h.bmp")).succeeded);
    EXPECT_EQ(ReadBytes(dir.File("h.bmp")), ExpectedHeader());
}

TEST(BlankMap, FailedWritesKeepTheOldFile) {
    struct Case {
        Outcome (*make)(Host&, const std::string&);
        const char* message;
    };
    for (const Case& c : {Case{MakeBlankMap, "CreateBitmapError"}, Case{MakeMapHeader, "Ugh!"}}) {
        ScratchDir dir;
        RecordingHost host;
        FailNthWrite faults(1);
        host.SetFaults(&faults);
        std::string path = dir.Write("new.bmp", "old");
        EXPECT_FALSE(c.make(host, path).succeeded);
        EXPECT_EQ(host.Messages(), std::vector<std::string>{c.message});
        EXPECT_EQ(ReadBytes(path), Bytes({'o', 'l', 'd'}));
        EXPECT_EQ(dir.Names(), std::vector<std::string>{"new.bmp"});
    }
}

TEST(LikePut, GivenOrNextPosition) {
    RecordingHost host;
    Bytes buffer(5, 0);
    LikePut put;
    EXPECT_TRUE(put.Put(host, buffer, 0, 7, true));
    EXPECT_TRUE(put.Put(host, buffer, 0, 8, false));
    EXPECT_TRUE(put.Put(host, buffer, 3, 9, false));
    EXPECT_TRUE(put.Put(host, buffer, 0, 10, false));
    EXPECT_EQ(buffer, (Bytes{7, 8, 0, 9, 10}));
    EXPECT_FALSE(put.Put(host, buffer, 0, 11, false));
    EXPECT_FALSE(put.Put(host, buffer, -1, 11, true));
    EXPECT_EQ(buffer, (Bytes{7, 8, 0, 9, 10}));
    EXPECT_EQ(host.Messages(), (std::vector<std::string>{"Error in LikePut()", "Error in LikePut()"}));
}

}  // namespace
}  // namespace vetra::Convert
