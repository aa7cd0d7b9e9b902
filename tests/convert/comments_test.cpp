#include "convert/comments.h"

#include <gtest/gtest.h>

#include "formats/bitmapheader.h"
#include "formats/level.h"
#include "support/levelfixtures.h"
#include "support/realdata.h"
#include "support/recordinghost.h"
#include "support/scratchdir.h"
#include "support/sectionfixtures.h"
#include "util/writefaults.h"

namespace vetra::convert {
namespace {

using test::Chunk;
using test::Joined;
using test::LevelBytes;
using test::ReadBytes;
using test::RecordsOf;
using test::ScratchDir;
using test::Text;
using test::TilesetBitmap;
using Bytes = std::vector<std::uint8_t>;

const std::string kHelloStored = "VETRA-0.9.0\r\n\r\nHello";
const std::vector<TileRecord> kRecords = {{1, 2, 3}, {1023, 1023, 219}, {500, 7, 170}};

// The comment bytes of a tileset built by TilesetBitmap: everything from the end of its pixels to its file
// size.
Bytes StoredComments(const Bytes& file) {
    std::uint32_t size = ReadU32(file.data() + 2);
    return Bytes(file.begin() + kTilesetSize, file.begin() + size);
}

// A level as map editors write it: optional text, padding to 4 bytes, then an "elvl" section whose offset
// stands at byte 6.
Bytes ExtendedLevel(const std::string& text) {
    Bytes section =
        test::Section({Chunk("ATTR", Text("NAME=Duel Arena")),
                       Chunk("REGN", Joined(Chunk("rTIL", Bytes(6, 1)), Chunk("rNAM", Text("Safe Base")))),
                       Chunk("DCID", Bytes(5, 9)), Chunk("ATTR", Text("VERSION=2"))});
    Bytes comments = Text(text);
    comments.resize((kTilesetSize + comments.size() + 3) / 4 * 4 - kTilesetSize);
    std::uint32_t offset = kTilesetSize + static_cast<std::uint32_t>(comments.size());
    Bytes level = LevelBytes(TilesetBitmap({.comments = Joined(comments, section)}), kRecords);
    WriteU32(level.data() + 6, offset);
    return level;
}

TEST(Comments, WhatViewShows) {
    Bytes paddedText = {0, 0, 'a', 0, 'b', 0, 0};
    Bytes pointsAtZeros = LevelBytes(TilesetBitmap({.comments = Bytes(8, 0)}), kRecords);
    WriteU32(pointsAtZeros.data() + 6, kTilesetSize + 2);
    Bytes imageSizeZero = TilesetBitmap({.comments = Text("after")});
    WriteU32(imageSizeZero.data() + 34, 0);
    struct Case {
        const char* name;
        Bytes file;
        std::string shown;
    } cases[] = {
        {"tileset without comments", TilesetBitmap(), kNoCommentsText},
        {"level whose comments are zero padding", LevelBytes(TilesetBitmap({.comments = {0, 0}}), kRecords),
         kNoCommentsText},
        {"padding at both ends is not text", TilesetBitmap({.comments = paddedText}), std::string("a\0b", 3)},
        {"level comments stop at the records",
         LevelBytes(TilesetBitmap({.comments = Text(kHelloStored)}), kRecords), kHelloStored},
        {"image size 0 uses width x height", imageSizeZero, "after"},
        {"level without tileset", LevelBytes({}, kRecords), kNoTilesetText},
        {"empty file", {}, kNoTilesetText},
        {"field at 6 pointing at no elvl", pointsAtZeros, kNoCommentsText},
        {"header cut short", Bytes{'B', 'M', 1, 2, 3}, kNoCommentsText},
        {"extended level data", ExtendedLevel(""),
         "Extended level data:\r\nNAME=Duel Arena\r\nRegion: Safe Base\r\nDCID chunk, 5 bytes\r\nVERSION=2"},
        {"text before extended level data", ExtendedLevel("Made by me"),
         "Made by me\r\nExtended level data:\r\nNAME=Duel Arena\r\nRegion: Safe Base\r\nDCID chunk, 5 "
         "bytes\r\n"
         "VERSION=2"},
    };
    ScratchDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ReadComments(dir.Write("f.lvl", c.file)), c.shown);
    }
    EXPECT_EQ(ReadComments(dir.File("missing.lvl")), "");
}

TEST(Comments, NoTilesetTextIsRecognised) {
    EXPECT_TRUE(SaysNoTileset(kNoTilesetText));
    EXPECT_TRUE(SaysNoTileset("NO TILESET! and more"));
    EXPECT_FALSE(SaysNoTileset("No tileset"));
    EXPECT_FALSE(SaysNoTileset(kNoCommentsText));
}

TEST(Comments, SavingHelloAndSavingTheShownTextAgain) {
    ScratchDir dir;
    RecordingHost host;
    std::string path = dir.Write("t.bmp", TilesetBitmap());
    ASSERT_TRUE(host.Report(EditInfo(host, path, "Hello", false)).Done());
    Bytes once = ReadBytes(path);
    EXPECT_EQ(StoredComments(once), Text(kHelloStored));
    EXPECT_EQ(ReadU32(once.data() + 2), kTilesetSize + kHelloStored.size());
    std::string shown = ReadComments(path);
    EXPECT_EQ(shown, kHelloStored);
    ASSERT_TRUE(host.Report(EditInfo(host, path, shown, false)).Done());
    EXPECT_EQ(ReadBytes(path), once);
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"t.bmp"});
    EXPECT_TRUE(host.Messages().empty());
}

TEST(Comments, RemovingKeepsPixelsAndEveryRecord) {
    Bytes old = LevelBytes(TilesetBitmap({.comments = Text("old words here")}), kRecords);
    for (bool wipe : {true, false}) {
        ScratchDir dir;
        RecordingHost host;
        std::string path = dir.Write("m.lvl", old);
        ASSERT_TRUE((wipe ? host.Report(WipeInfo(host, path, false)) : host.Report(EditInfo(host, path, kRemoveAllComments, false))).Done());
        EXPECT_EQ(ReadBytes(path), LevelBytes(TilesetBitmap(), kRecords));
        EXPECT_EQ(ReadComments(path), kNoCommentsText);
    }
}

TEST(Comments, AddingCommentsShiftsTheRecords) {
    ScratchDir dir;
    RecordingHost host;
    std::string path = dir.Write("m.lvl", LevelBytes(TilesetBitmap({.comments = {'x', 0}}), kRecords));
    ASSERT_TRUE(host.Report(EditInfo(host, path, "Hello", false)).Done());
    Bytes now = ReadBytes(path);
    EXPECT_EQ(now, LevelBytes(TilesetBitmap({.comments = Text(kHelloStored)}), kRecords));
    EXPECT_EQ(RecordsOf(now), kRecords);
}

TEST(Comments, KeepingTheOriginalWritesBesideIt) {
    ScratchDir dir;
    RecordingHost host;
    Bytes original = TilesetBitmap();
    std::string path = dir.Write("t.bmp", original);
    FileResult kept = host.Report(EditInfo(host, path, "Hello", true));
    EXPECT_EQ(kept.written, std::vector<std::string>{dir.File("t-0.bmp")});
    EXPECT_EQ(ReadBytes(path), original);
    EXPECT_EQ(StoredComments(ReadBytes(dir.File("t-0.bmp"))), Text(kHelloStored));
    FileResult replaced = host.Report(WipeInfo(host, dir.File("t-0.bmp"), false));
    EXPECT_EQ(replaced.written, std::vector<std::string>{dir.File("t-0.bmp")});
    EXPECT_EQ(ReadBytes(dir.File("t-0.bmp")), original);
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"t-0.bmp", "t.bmp"}));
}

// Files whose comments must stay as they are: each refusal is a message box and no byte changes.
TEST(Comments, RefusedFilesStayByteForByte) {
    Bytes pixelsPastTheEnd = TilesetBitmap({.comments = Text("abc")});
    pixelsPastTheEnd.resize(40000);
    Bytes sizeInsidePixels = LevelBytes(TilesetBitmap(), kRecords);
    WriteU32(sizeInsidePixels.data() + 2, 1078);
    Bytes sizePastTheEnd = LevelBytes(TilesetBitmap(), kRecords);
    WriteU32(sizePastTheEnd.data() + 2, 0xFFFFFFFFu);
    Bytes damagedSection = ExtendedLevel("hi");
    // The size field of its DCID chunk: behind the section's header, the ATTR chunk (24 bytes) and the REGN
    // chunk (44 bytes).
    WriteU32(damagedSection.data() + ReadU32(damagedSection.data() + 6) + 12 + 24 + 44 + 4, 900);
    Bytes pixelsInTheHeader = TilesetBitmap({.comments = Text("abc")});
    WriteU32(pixelsInTheHeader.data() + 10, 0);
    WriteU32(pixelsInTheHeader.data() + 34, 1);
    struct Case {
        const char* name;
        Bytes file;
        std::string message;  // after the path
    } cases[] = {
        {"damaged extended level data", damagedSection,
         " holds damaged extended level data (its chunk DCID runs past its end); its comments are left "
         "unchanged."},
        {"pixels past the end of the file", pixelsPastTheEnd,
         " is not a complete bitmap; its comments are left unchanged."},
        {"file size inside the pixels", sizeInsidePixels,
         " is not a complete bitmap; its comments are left unchanged."},
        {"file size past the end, records behind", sizePastTheEnd,
         " is not a complete bitmap; its comments are left unchanged."},
        {"header cut short", Bytes{'B', 'M', 0, 0},
         " is not a complete bitmap; its comments are left unchanged."},
        {"pixels said to begin inside the header", pixelsInTheHeader,
         " is not a complete bitmap; its comments are left unchanged."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (bool wipe : {true, false}) {
            ScratchDir dir;
            RecordingHost host;
            std::string path = dir.Write("f.lvl", c.file);
            EXPECT_EQ(CommentsRefusal(path), path + c.message);
            EXPECT_FALSE((wipe ? host.Report(WipeInfo(host, path, false)) : host.Report(EditInfo(host, path, "new", false))).Done());
            EXPECT_EQ(host.Messages(), std::vector<std::string>{path + c.message});
            EXPECT_EQ(ReadBytes(path), c.file);
            EXPECT_EQ(dir.Names(), std::vector<std::string>{"f.lvl"});
        }
    }
    ScratchDir dir;
    EXPECT_EQ(ReadComments(dir.Write("cut.bmp", pixelsPastTheEnd)), kNoCommentsText);
    Bytes sizeBeyondEnd = TilesetBitmap({.comments = Text("abcdef")});
    sizeBeyondEnd.resize(kTilesetSize + 3);
    EXPECT_EQ(ReadComments(dir.Write("short.bmp", sizeBeyondEnd)), "abc");
}

TEST(Comments, FilesWithoutTilesetAreLeftAlone) {
    ScratchDir dir;
    RecordingHost host;
    Bytes level = LevelBytes({}, kRecords);
    std::string path = dir.Write("plain.lvl", level);
    EXPECT_EQ(CommentsRefusal(path), std::nullopt);
    FileResult outcome = host.Report(WipeInfo(host, path, false));
    EXPECT_TRUE(outcome.written.empty());
    EXPECT_TRUE(host.Calls().empty());
    EXPECT_EQ(ReadBytes(path), level);
}

TEST(Comments, FailedWriteLeavesTheFile) {
    struct FailRename : WriteFaults {
        bool ShouldFail(WriteStep step) override { return step == WriteStep::Rename; }
    } faults;
    ScratchDir dir;
    RecordingHost host;
    host.SetFaults(&faults);
    Bytes original = LevelBytes(TilesetBitmap({.comments = Text("keep")}), kRecords);
    std::string path = dir.Write("m.lvl", original);
    EXPECT_FALSE(host.Report(EditInfo(host, path, "Hello", false)).Done());
    EXPECT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(ReadBytes(path), original);
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"m.lvl"});
}

TEST(Comments, RealLevelsWithExtendedData) {
    VETRA_REQUIRE_REALDATA();
    std::string dir = test::RealDataDir() + "/levels/";
    std::string duel = ReadComments(dir + "duelpub.lvl");
    EXPECT_EQ(duel.rfind("Extended level data:\r\n", 0), 0u);
    EXPECT_NE(duel.find("\r\nRegion: "), std::string::npos);
    EXPECT_NE(duel.find('='), std::string::npos);
    EXPECT_EQ(ReadComments(dir + "turfwars.lvl"), kNoCommentsText);
    EXPECT_EQ(CommentsRefusal(dir + "hockey.lvl"), std::nullopt);
    EXPECT_EQ(CommentsRefusal(dir + "fightclub.lvl"), std::nullopt);
    EXPECT_EQ(ReadComments(dir + "fightclub.lvl").size(), 15u);
}

}  // namespace
}  // namespace vetra::convert
