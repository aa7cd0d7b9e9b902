#include "convert/tilesetprimitives.h"

#include <gtest/gtest.h>

#include "convert/blanktileset.h"
#include "convert/defaultpalette.h"
#include "formats/bitmapheader.h"
#include "formats/level.h"
#include "support/scratchdir.h"
#include "support/recordinghost.h"
#include "util/writefaults.h"

namespace vetra::convert {
namespace {

using test::ReadBytes;
using test::ScratchDir;

// A tileset of the given height drawn with its own palette and pixels, with bytes behind the pixels.
Bytes ForeignTileset(int height, std::size_t extra) {
    auto header = TilesetHeader(height);
    Bytes bytes(header.begin(), header.end());
    for (int i = 0; i < 1024; ++i) bytes.push_back(static_cast<std::uint8_t>(255 - i % 256));
    for (int i = 0; i < height * 304; ++i) bytes.push_back(static_cast<std::uint8_t>(i * 7));
    for (std::size_t i = 0; i < extra; ++i) bytes.push_back('c');
    WriteU32(bytes.data() + 2, static_cast<std::uint32_t>(bytes.size()));
    bytes[6] = 0x11;  // reserved bytes some painters use
    bytes[9] = 0x22;
    return bytes;
}

TEST(DefaultPalette, MatchesTheGameColours) {
    const auto& colours = DefaultPaletteColours();
    EXPECT_EQ(colours[0], (Rgb{0x00, 0x00, 0x00}));
    EXPECT_EQ(colours[1], (Rgb{0x39, 0x39, 0x39}));
    EXPECT_EQ(colours[43], (Rgb{0x4D, 0x2D, 0x04}));
    EXPECT_EQ(colours[79], (Rgb{0xFF, 0xBD, 0x29}));
    EXPECT_EQ(colours[204], (Rgb{0x3F, 0x2D, 0x0E}));
    EXPECT_EQ(colours[233], (Rgb{0x0A, 0x19, 0x0A}));
    EXPECT_EQ(colours[254], (Rgb{0xA5, 0x21, 0x29}));
    EXPECT_EQ(colours[255], (Rgb{0xFF, 0xFF, 0xFF}));
    auto table = DefaultPaletteTable();
    EXPECT_EQ(Bytes(table.begin(), table.begin() + 8), (Bytes{0, 0, 0, 0, 0x39, 0x39, 0x39, 0}));
    EXPECT_EQ(Bytes(table.begin() + 4 * 79, table.begin() + 4 * 80), (Bytes{0x29, 0xBD, 0xFF, 0}));
}

TEST(BlankTileset, HeaderAndPixels) {
    ScratchDir dir;
    RecordingHost host;
    std::string path = dir.Write("blank.bmp", "an older file");
    FileResult outcome = host.Report(MakeBlankTileset(host, path));
    ASSERT_TRUE(outcome.Done());
    EXPECT_EQ(outcome.written, std::vector<std::string>{path});
    Bytes file = ReadBytes(path);
    ASSERT_EQ(file.size(), 49718u);
    Bytes expected = {0x42, 0x4D, 0x36, 0xC2, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x36, 0x04, 0x00, 0x00,
                      0x28, 0x00, 0x00, 0x00, 0x30, 0x01, 0x00, 0x00, 0xA0, 0x00, 0x00, 0x00, 0x01, 0x00,
                      0x08, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xBE, 0x00, 0x00, 0,    0,    0,    0,
                      0,    0,    0,    0,    0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00};
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 54), expected);
    EXPECT_EQ(Bytes(file.begin() + 54, file.begin() + 62), (Bytes{0, 0, 0, 0, 0x39, 0x39, 0x39, 0}));
    EXPECT_EQ(file[1078], 79);
    EXPECT_EQ(file[1078 + 48639], 79);
    EXPECT_EQ(file[1078 + 305], 0);
    EXPECT_EQ(file[1078 + 15], 79);        // right edge of the first cell
    EXPECT_EQ(file[1078 + 16 + 304], 79);  // left edge of the second cell, row 1
    EXPECT_EQ(file[1078 + 14 + 14 * 304], 0);
    EXPECT_EQ(host.Titles(), std::vector<std::string>{"Creating tileset..."});
    EXPECT_EQ(host.Calls().back().kind, RecordingHost::Kind::RestoreTitle);
}

struct FailEveryWrite : WriteFaults {
    bool ShouldFail(WriteStep step) override { return step == WriteStep::WriteData; }
};

TEST(BlankTileset, FailedWriteKeepsTheOldFile) {
    ScratchDir dir;
    RecordingHost host;
    FailEveryWrite faults;
    host.SetFaults(&faults);
    std::string path = dir.Write("blank.bmp", "an older file");
    EXPECT_FALSE(host.Report(MakeBlankTileset(host, path)).Done());
    EXPECT_EQ(host.Messages(), std::vector<std::string>{"Could not write the blank tileset " + path +
                                                        ": writing failed (Input/output error)."});
    EXPECT_EQ(ReadBytes(path), Bytes({'a', 'n', ' ', 'o', 'l', 'd', 'e', 'r', ' ', 'f', 'i', 'l', 'e'}));
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"blank.bmp"});
}

TEST(WriteTilesetHeader, LargestHeightFitsAndTheNextIsRefusedUntouched) {
    Bytes file(60, 0xEE);
    ASSERT_TRUE(WriteTilesetHeader(file, 212));
    EXPECT_EQ(ReadU32(file.data() + 2), 65526u);
    EXPECT_EQ(ReadU32(file.data() + 22), 212u);
    EXPECT_EQ(ReadU32(file.data() + 34), 48640u);
    EXPECT_EQ(file[54], 0xEE) << "bytes behind the header stay";

    Bytes untouched(60, 0xEE);
    EXPECT_FALSE(WriteTilesetHeader(untouched, 213));
    EXPECT_EQ(untouched, Bytes(60, 0xEE));
}

TEST(CopyTileset, CopiesTheDeclaredSizeCommentsIncluded) {
    Bytes level = ForeignTileset(160, 30);
    std::uint32_t declared = ReadU32(level.data() + 2);
    level.insert(level.end(), {1, 2, 3, 4});
    Bytes copy;
    EXPECT_EQ(CopyTileset(level, copy), declared);
    EXPECT_EQ(copy, Bytes(level.begin(), level.begin() + declared));

    Bytes shortSource(level.begin(), level.begin() + 100);
    Bytes untouched = {9};
    EXPECT_EQ(CopyTileset(shortSource, untouched), 0u);
    EXPECT_EQ(untouched, Bytes{9});
    EXPECT_EQ(CopyTileset(Bytes{'B', 'M', 1}, untouched), 0u);
}

TEST(CleanTilesetCopy, ChangesColoursNotPixelsAndKeepsDeclaredSize) {
    Bytes original = ForeignTileset(160, 40);
    Bytes copy = original;
    WriteU32(copy.data() + 18, 304 + 65536);  // a width that passes the test by its low 16 bits
    EXPECT_TRUE(CleanTilesetCopy(copy, original[22]));
    ASSERT_EQ(copy.size(), original.size());
    auto header = TilesetHeader(160);
    for (std::size_t i = 0; i < 54; ++i) {
        bool kept = i >= 2 && i < 10;
        EXPECT_EQ(copy[i], kept ? original[i] : header[i]) << "header byte " << i;
    }
    auto palette = DefaultPaletteTable();
    EXPECT_EQ(Bytes(copy.begin() + 54, copy.begin() + 1078), Bytes(palette.begin(), palette.end()));
    EXPECT_EQ(Bytes(copy.begin() + 1078, copy.end()), Bytes(original.begin() + 1078, original.end()));
}

TEST(CleanTilesetCopy, RefusedHeightStillGetsTheDefaultPalette) {
    RecordingHost host;
    Bytes original = ForeignTileset(220, 0);
    Bytes copy = original;
    FileResult result{"t.bmp"};
    {
        ProgressTitle title(host);
        CleanTilesetCopyIfChosen(true, result, title, copy, original[22], "t.bmp");
    }
    host.Report(result);
    EXPECT_EQ(host.Messages(), std::vector<std::string>{"t.bmp: the tileset's height of 220 rows is more than a "
                                                        "tileset header can hold (212); its header was left "
                                                        "unchanged and only its palette was replaced."});
    EXPECT_EQ(Bytes(copy.begin(), copy.begin() + 54), Bytes(original.begin(), original.begin() + 54));
    EXPECT_EQ(copy[54 + 4], 0x39);
}

TEST(CleanTilesetCopy, OnlyWhenChosen) {
    RecordingHost host;
    Bytes copy = ForeignTileset(160, 0);
    Bytes original = copy;
    FileResult result{"t.bmp"};
    {
        ProgressTitle title(host);
        CleanTilesetCopyIfChosen(false, result, title, copy, 160, "t.bmp");
        EXPECT_EQ(copy, original);
        CleanTilesetCopyIfChosen(true, result, title, copy, 160, "t.bmp");
    }
    EXPECT_NE(copy, original);
    EXPECT_EQ(host.Titles(), std::vector<std::string>{"Cleaning pallette..."});
}

}  // namespace
}  // namespace vetra::convert
