#include "convert/levelsection.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "convert/commentarea.h"
#include "convert/comments.h"
#include "convert/tilesetapplication.h"
#include "formats/bitmapheader.h"
#include "formats/level.h"
#include "support/levelfixtures.h"
#include "support/realdata.h"
#include "support/recordinghost.h"
#include "support/scratchdir.h"
#include "support/sectionfixtures.h"

namespace vetra::convert {
namespace {

using test::Chunk;
using test::LevelBytes;
using test::ReadBytes;
using test::RecordsOf;
using test::ScratchDir;
using test::Section;
using test::Text;
using test::TilesetBitmap;

const std::vector<TileRecord> kRecords = {{1, 2, 3}, {1023, 1023, 219}, {500, 7, 170}};

const Bytes kSection = Section({Chunk("ATTR", Text("NAME=Arena")), Chunk("REGN", Chunk("rNAM", Text("goal"))),
                                Chunk("DCWT", Bytes(16, 3))});

// A level as map editors write it: comments, zero padding (to a multiple of 4 from the file's start), then
// the section, with its offset at byte 6.
Bytes LevelWithSection(const Bytes& comments, std::size_t padding, const Bytes& section = kSection,
                       std::uint8_t seed = 1) {
    Bytes behind = comments;
    behind.resize(comments.size() + padding, 0);
    std::uint32_t offset = kTilesetSize + static_cast<std::uint32_t>(behind.size());
    behind.insert(behind.end(), section.begin(), section.end());
    Bytes level = LevelBytes(TilesetBitmap({.seed = seed, .comments = behind}), kRecords);
    WriteU32(level.data() + 6, offset);
    return level;
}

// The section of a file, as its bytes.
Bytes SectionBytes(const Bytes& file) {
    std::optional<LevelSection> found = FindLevelSection(file);
    if (!found) return {};
    return Bytes(file.begin() + static_cast<std::ptrdiff_t>(found->begin),
                 file.begin() + static_cast<std::ptrdiff_t>(found->end));
}

Bytes Tail(const Bytes& level) { return Bytes(level.begin() + ReadU32(level.data() + 2), level.end()); }

TEST(LevelSection, ApplyTilesKeepsTheLevelsOwnSection) {
    struct Case {
        const char* name;
        Bytes source;
        bool clean;
        bool sourceSectionUnused;
    } cases[] = {
        {"a plain tileset", TilesetBitmap({.seed = 5}), false, false},
        {"a tileset whose comments end off the 4-byte grid",
         TilesetBitmap({.seed = 5, .comments = Text("hello")}), false, false},
        {"cleaned", TilesetBitmap({.seed = 5, .comments = Text("abc")}), true, false},
        {"a level with a section of its own",
         LevelWithSection(Text("theirs"), 4, Section({Chunk("DCID", Bytes(8, 1))}), 9), false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchDir dir;
        RecordingHost host;
        std::string source = dir.Write("source.lvl", c.source);
        Bytes original = LevelWithSection(Text("mine"), 2);
        std::string level = dir.Write("level.lvl", original);
        // The same level without its section is given the tileset as it always was: that is the head
        // expected.
        Bytes plain = LevelBytes(TilesetBitmap({.comments = Text("mine")}), kRecords);
        std::string plainLevel = dir.Write("plain.lvl", plain);
        RecordingHost setup;
        ASSERT_TRUE(
            setup.Report(ApplyTileset(setup, plainLevel, source, {.replace = true, .cleanPalette = c.clean}))
                .Done());
        Bytes head = ReadBytes(plainLevel);
        head.resize(c.sourceSectionUnused ? FindLevelSection(c.source)->begin : ReadU32(head.data() + 2));
        head.resize((head.size() + 3) / 4 * 4, 0);

        FileResult result = host.Report(ApplyTileset(host, level, source, {.cleanPalette = c.clean}));
        ASSERT_TRUE(result.Done());
        Bytes out = ReadBytes(dir.File("level-0.lvl"));
        EXPECT_TRUE(std::equal(head.begin() + 10, head.end(), out.begin() + 10));
        EXPECT_EQ(ReadU32(out.data() + 6), head.size());
        EXPECT_EQ(ReadU32(out.data() + 2), head.size() + kSection.size());
        EXPECT_EQ(SectionBytes(out), kSection);
        EXPECT_EQ(RecordsOf(out), kRecords);
        std::vector<std::string> expected = {level + ": extended level data kept (3 chunks)."};
        if (c.sourceSectionUnused)
            expected.push_back(level + ": the extended level data of " + source +
                               " was not used; the level keeps its own.");
        EXPECT_EQ(host.Summary(), expected);
        EXPECT_EQ(ReadBytes(level), original);
    }
}

TEST(LevelSection, ADamagedSectionIsCarriedAsItStands) {
    Bytes overrun = Chunk("DCLV", Bytes(32, 9));
    WriteU32(overrun.data() + 4, 46);
    struct Case {
        const char* name;
        Bytes section;
        std::string line;  // after the path
    } cases[] = {
        {"a chunk running past it", Section({Chunk("DCID", Bytes(8, 1)), overrun}),
         ": damaged extended level data kept as it stands (2 chunks; its chunk DCLV runs past its end)."},
        {"a size past the tileset", Section({Chunk("DCID", Bytes(8, 1))}, 900),
         ": damaged extended level data kept as it stands (1 chunk; its size runs past the tileset)."},
        {"stray bytes", Section({Chunk("DCID", Bytes(8, 1)), Bytes{7, 7}}),
         ": damaged extended level data kept as it stands (1 chunk; 2 bytes at its end are not a chunk)."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchDir dir;
        RecordingHost host;
        std::string level = dir.Write("level.lvl", LevelWithSection({}, 2, c.section));
        std::string source = dir.Write("tiles.bmp", TilesetBitmap({.seed = 4}));
        ASSERT_TRUE(host.Report(ApplyTileset(host, level, source, {})).Done());
        Bytes out = ReadBytes(dir.File("level-0.lvl"));
        EXPECT_EQ(SectionBytes(out), c.section);
        EXPECT_EQ(RecordsOf(out), kRecords);
        EXPECT_EQ(host.Summary(), std::vector<std::string>{level + c.line});
    }
}

TEST(LevelSection, CommentsGoBetweenThePixelsAndTheSection) {
    ScratchDir dir;
    RecordingHost host;
    Bytes original = LevelWithSection({}, 2);
    std::string path = dir.Write("level.lvl", original);
    ASSERT_EQ(CommentsRefusal(path), std::nullopt);

    ASSERT_TRUE(host.Report(EditInfo(host, path, "Made by me", false)).Done());
    Bytes edited = ReadBytes(path);
    EXPECT_EQ(SectionBytes(edited), kSection);
    EXPECT_EQ(ReadU32(edited.data() + 6) % 4, 0u);
    EXPECT_EQ(RecordsOf(edited), kRecords);
    std::string shown = ReadComments(path);
    EXPECT_EQ(shown,
              "VETRA-0.9.0\r\n\r\nMade by me\r\nExtended level data:\r\nNAME=Arena\r\nRegion: goal\r\n"
              "DCWT chunk, 16 bytes");

    // Saving the text as the window shows it stores the comments once and not the listing.
    ASSERT_TRUE(host.Report(EditInfo(host, path, shown, false)).Done());
    EXPECT_EQ(ReadComments(path), shown);

    ASSERT_TRUE(host.Report(WipeInfo(host, path, false)).Done());
    EXPECT_EQ(ReadBytes(path), original);
}

TEST(LevelSection, WipingShrinksOnlyThePaddingBeforeTheSection) {
    ScratchDir dir;
    RecordingHost host;
    Bytes original = LevelWithSection(Text("old words"), 13);
    std::string path = dir.Write("level.lvl", original);
    ASSERT_TRUE(host.Report(WipeInfo(host, path, false)).Done());
    Bytes wiped = ReadBytes(path);
    EXPECT_EQ(ReadU32(wiped.data() + 6), kTilesetSize + 2);
    EXPECT_EQ(SectionBytes(wiped), kSection);
    EXPECT_EQ(Tail(wiped), Tail(original));
    EXPECT_EQ(ReadComments(path),
              "Extended level data:\r\nNAME=Arena\r\nRegion: goal\r\nDCWT chunk, 16 bytes");
}

TEST(LevelSection, CommentsOfADamagedSectionStayRefused) {
    ScratchDir dir;
    RecordingHost host;
    Bytes original = LevelWithSection({}, 2, Section({Chunk("DCID", Bytes(8, 1))}, 900));
    std::string path = dir.Write("level.lvl", original);
    std::string message = path +
                          " holds damaged extended level data (its size runs past the tileset); its comments "
                          "are left unchanged.";
    EXPECT_EQ(CommentsRefusal(path), message);
    EXPECT_FALSE(host.Report(EditInfo(host, path, "new", false)).Done());
    EXPECT_EQ(host.Messages(), std::vector<std::string>{message});
    EXPECT_EQ(ReadBytes(path), original);
}

// Every real level with extended level data keeps it through Apply Tiles with every real tileset, and through
// Edit Info then Wipe Info.
TEST(LevelSection, RealLevelsKeepTheirSections) {
    VETRA_REQUIRE_REALDATA();
    std::vector<std::string> tilesets = test::RealDataFiles(".bmp");
    ScratchDir dir;
    RecordingHost host;
    int levels = 0;
    for (const std::string& real : test::RealDataFiles(".lvl")) {
        Bytes original = ReadBytes(real);
        std::optional<LevelSection> section = FindLevelSection(original);
        if (!section) continue;
        ++levels;
        SCOPED_TRACE(real);
        Bytes sectionBytes = SectionBytes(original);
        Bytes tail = Tail(original);
        std::string level = dir.Write("level.lvl", original);
        for (const std::string& tiles : tilesets) {
            FileResult applied = host.Report(ApplyTileset(host, level, tiles, {}));
            if (!applied.Done()) continue;  // a tileset the tools refuse
            Bytes out = ReadBytes(applied.written.at(0));
            EXPECT_EQ(SectionBytes(out), sectionBytes) << tiles;
            EXPECT_EQ(Tail(out), tail) << tiles;
            RemoveFileQuietly(applied.written.at(0));
        }
        if (!section->data.Damaged() && CommentsRefusal(level) == std::nullopt) {
            ASSERT_TRUE(host.Report(EditInfo(host, level, "x", false)).Done());
            ASSERT_TRUE(host.Report(WipeInfo(host, level, false)).Done());
            Bytes wiped = ReadBytes(level);
            EXPECT_EQ(SectionBytes(wiped), sectionBytes);
            EXPECT_EQ(Tail(wiped), tail);
            CommentArea area = FindCommentArea(original);
            bool noComments = std::all_of(original.begin() + static_cast<std::ptrdiff_t>(area.pixelEnd),
                                          original.begin() + static_cast<std::ptrdiff_t>(section->begin),
                                          [](std::uint8_t b) { return b == 0; });
            if (noComments && section->begin == (area.pixelEnd + 3) / 4 * 4) {
                EXPECT_EQ(wiped, original);
            }
        }
        RemoveFileQuietly(level);
    }
    EXPECT_GT(levels, 0);
}

}  // namespace
}  // namespace vetra::convert
