#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <memory>
#include <string>

#include "formats/bitmapheader.h"
#include "formats/level.h"
#include "support/realdata.h"
#include "support/scratchdir.h"

namespace {

using vetra::test::ScratchDir;

struct CheckRun {
    int status;
    std::string out;
};

// Runs "vetra-cli check" on the quoted paths; stderr is folded into the captured text.
CheckRun RunCheck(const std::vector<std::string>& paths) {
    std::string command = std::string(VETRA_CLI_PATH) + " check";
    for (const std::string& path : paths) command += " '" + path + "'";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen((command + " 2>&1").c_str(), "r"), pclose);
    std::string out;
    std::array<char, 4096> buffer;
    while (std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe.get()))
        out.append(buffer.data(), n);
    int status = pclose(pipe.release());
    return {WEXITSTATUS(status), out};
}

std::vector<std::uint8_t> Record(int x, int y, int tile) {
    auto bytes = vetra::TileRecord{x, y, static_cast<std::uint8_t>(tile)}.Encode();
    return {bytes.begin(), bytes.end()};
}

std::vector<std::uint8_t> operator+(std::vector<std::uint8_t> a, const std::vector<std::uint8_t>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A tileset carrying a text and a section with one attribute, then records.
std::vector<std::uint8_t> LevelWithExtendedData() {
    auto header = vetra::TilesetHeader(160);
    std::vector<std::uint8_t> bytes(header.begin(), header.end());
    bytes.resize(vetra::kTilesetSize, 0);
    std::string behind = std::string("Hi\r\n\0\0", 6) + "elvl" + std::string("\x1c\0\0\0\0\0\0\0", 8) +
                         "ATTR" + std::string("\x08\0\0\0", 4) + "NAME=Ice";
    bytes.insert(bytes.end(), behind.begin(), behind.end());
    vetra::WriteU32(bytes.data() + 2, static_cast<std::uint32_t>(bytes.size()));
    vetra::WriteU32(bytes.data() + 6, vetra::kTilesetSize + 6);
    return bytes + Record(10, 10, 217) + Record(11, 11, 5) + Record(10, 10, 1) + Record(3, 3, 230);
}

TEST(CheckCommand, DescribesALevelInOneBlock) {
    ScratchDir dir;
    std::string path = dir.Write("ice.lvl", LevelWithExtendedData());
    CheckRun run = RunCheck({path});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(
        run.out,
        path +
            "\n"
            "  Tileset: 304 x 160, 8 bits per pixel, uncompressed, declared size 49752 bytes\n"
            "  Behind the pixels: 34 bytes, extended level data at offset 49724, 28 bytes declared after "
            "text \"Hi\\r\\n\"\n"
            "    ATTR, 8 bytes: \"NAME=Ice\"\n"
            "  Records: 4, stray bytes: 0\n"
            "  Records outside the map: 0\n"
            "  Duplicate positions: 1 (1 record beyond the first)\n"
            "  Tiles hidden under objects: 1\n"
            "  Tile numbers outside 1-190 and 216-220: 230: 1\n"
            "  Status: sound\n");
}

TEST(CheckCommand, FailsForDamageAndUnreadableFiles) {
    ScratchDir dir;
    std::string sound = dir.Write("sound.lvl", Record(1, 2, 3));
    std::string stray = dir.Write("stray.lvl", Record(1, 2, 3) + std::vector<std::uint8_t>{0x0D, 0x0A});
    std::string outside = dir.Write("outside.lvl", Record(2000, 2, 3));
    std::vector<std::uint8_t> cut{'B', 'M', 0xFF, 0xFF, 0, 0};
    std::string pastEnd = dir.Write("past.lvl", cut);

    EXPECT_EQ(RunCheck({sound}).status, 0);
    EXPECT_NE(RunCheck({stray}).out.find("Status: damaged (stray bytes)"), std::string::npos);
    EXPECT_NE(RunCheck({outside}).out.find("Records outside the map: 1 (the first at x 2000, y 2)"),
              std::string::npos);
    CheckRun past = RunCheck({pastEnd});
    EXPECT_NE(past.out.find("past the end of the file (6 bytes)"), std::string::npos);
    EXPECT_NE(past.out.find("Records: none readable"), std::string::npos);
    for (const std::string& damaged : {stray, outside, pastEnd})
        EXPECT_EQ(RunCheck({sound, damaged}).status, 1);

    CheckRun missing = RunCheck({dir.File("gone.lvl"), sound});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.out.find("vetra: " + dir.File("gone.lvl") + ": does not exist"), std::string::npos);
    EXPECT_NE(missing.out.find("Status: sound"), std::string::npos);
    EXPECT_EQ(RunCheck({}).status, 2);
}

// Of the real levels only the copy damaged by a text-mode transfer fails the check.
TEST(CheckCommand, PassesEveryRealLevelButTheDamagedCopy) {
    VETRA_REQUIRE_REALDATA();
    for (const std::string& level : vetra::test::RealDataFiles(".lvl")) {
        SCOPED_TRACE(level);
        CheckRun run = RunCheck({level});
        bool damaged = level.find("oldturf@adb20fc") != std::string::npos;
        EXPECT_EQ(run.status, damaged ? 1 : 0);
        EXPECT_EQ(run.out.rfind(level + "\n", 0), 0u);
        EXPECT_EQ(run.out.find("vetra:"), std::string::npos);
    }
}

}  // namespace
