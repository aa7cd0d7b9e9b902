#include "convert/overlay.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

#include "convert/makediff.h"
#include "convert/recordsort.h"
#include "formats/level.h"
#include "support/levelfixtures.h"
#include "support/recordinghost.h"
#include "support/scratchdir.h"
#include "util/writefaults.h"

namespace vetra::convert {
namespace {

using test::LevelBytes;
using test::RecordsOf;
using test::ScratchDir;
using test::TilesetBitmap;
using Records = std::vector<TileRecord>;

// The two operations word for word, over records in memory: the passes of the shell sort, cleaning that walks
// every later record until one lies s rows below, matching that rescans from the last matched place.
int LiteralSize(std::uint8_t tile) { return tile == 217 ? 2 : tile == 219 ? 6 : tile == 220 ? 5 : 1; }

template <class Record>
void LiteralClean(std::vector<Record>& r, bool emptyCovers) {
    for (std::size_t i = 0; i < r.size(); ++i) {
        if (!emptyCovers && r[i].tile == 0) continue;
        int s = LiteralSize(r[i].tile);
        for (std::size_t j = i + 1; j < r.size(); ++j) {
            if (r[j].y - r[i].y >= s) break;
            if (r[j].tile != 0 && r[j].x - r[i].x >= 0 && r[j].x - r[i].x < s) r[j].tile = 0;
        }
    }
}

template <class Record>
Records Surviving(const std::vector<Record>& r) {
    Records out;
    for (const Record& record : r)
        if (record.tile != 0) out.push_back({record.x, record.y, record.tile});
    return out;
}

Records LiteralOverlay(const Records& level, const Records& overlay) {
    std::vector<MergeRecord> r;
    for (const TileRecord& t : level) r.push_back({MergeRecord::kLevel, t.x, t.y, t.tile});
    for (const TileRecord& t : overlay) r.push_back({MergeRecord::kOverlay, t.x, t.y, t.tile});
    ShellSortByPasses(std::span(r));
    LiteralClean(r, true);
    return Surviving(r);
}

Records LiteralDiff(Records a, Records b) {
    ShellSortByPasses(std::span(a));
    ShellSortByPasses(std::span(b));
    std::size_t start = 0;
    for (const TileRecord& ra : a) {
        for (std::size_t k = start; k < b.size(); ++k) {
            if (b[k].y == ra.y && b[k].x == ra.x) {
                if (b[k].tile == ra.tile) b[k].tile = 0;
                start = k;
                break;
            }
            if (b[k].y > ra.y) break;
        }
    }
    LiteralClean(b, false);
    return Surviving(b);
}

struct Result {
    FileResult outcome;
    std::vector<std::uint8_t> output;
    RecordingHost host;
};

enum class Operation { Overlay, Diff };

// Writes the two levels, runs the operation, and reads back the one file it created.
void RunOn(Operation operation, const std::vector<std::uint8_t>& first, const std::vector<std::uint8_t>& second,
           Result& run) {
    ScratchDir dir;
    std::string a = dir.Write("a.lvl", first);
    std::string b = dir.Write("b.lvl", second);
    run.outcome = run.host.Report(operation == Operation::Overlay ? ApplyOverlay(run.host, a, b) : MakeDiff(run.host, a, b));
    EXPECT_EQ(test::ReadBytes(a), first);
    EXPECT_EQ(test::ReadBytes(b), second);
    if (run.outcome.Done()) {
        EXPECT_EQ(run.outcome.written, std::vector<std::string>{dir.File("a-0.lvl")});
        run.output = test::ReadBytes(dir.File("a-0.lvl"));
    } else {
        EXPECT_EQ(dir.Names(), (std::vector<std::string>{"a.lvl", "b.lvl"}));
    }
}

struct Case {
    const char* name;
    Operation operation;
    Records first;   // the level, or the unaltered level
    Records second;  // the overlay, or the edited level
    Records expected;
};

const Case kCases[] = {
    {"overlay replaces at one place", Operation::Overlay, {{5, 5, 1}, {6, 5, 2}}, {{5, 5, 9}}, {{5, 5, 9}, {6, 5, 2}}},
    {"overlay large asteroid covers four places", Operation::Overlay,
     {{10, 10, 1}, {11, 10, 2}, {10, 11, 3}, {11, 11, 4}, {12, 10, 5}}, {{10, 10, 217}},
     {{10, 10, 217}, {12, 10, 5}}},
    {"level station covers overlay tile", Operation::Overlay, {{10, 10, 219}}, {{12, 12, 7}}, {{10, 10, 219}}},
    {"overlay tile at station corner wins", Operation::Overlay, {{10, 10, 219}, {15, 15, 3}}, {{10, 10, 7}},
     {{10, 10, 7}, {15, 15, 3}}},
    {"records come out sorted", Operation::Overlay, {{900, 3, 1}, {2, 700, 2}, {1, 3, 3}}, {{0, 1000, 4}},
     {{1, 3, 3}, {900, 3, 1}, {2, 700, 2}, {0, 1000, 4}}},
    {"a tile 0 removes the later record at its place", Operation::Overlay, {{4, 4, 6}}, {{4, 4, 0}}, {}},
    {"two overlay records at one place: one survives", Operation::Overlay, {}, {{3, 3, 1}, {3, 3, 2}},
     {{3, 3, 1}}},
    {"an empty overlay sorts and cleans the level", Operation::Overlay, {{8, 8, 2}, {7, 7, 217}, {8, 8, 3}}, {},
     {{7, 7, 217}}},
    {"identical levels give an empty diff", Operation::Diff, {{1, 1, 1}, {2, 1, 2}}, {{2, 1, 2}, {1, 1, 1}}, {}},
    {"one changed tile", Operation::Diff, {{1, 1, 1}, {2, 1, 2}}, {{1, 1, 1}, {2, 1, 5}}, {{2, 1, 5}}},
    {"one added tile", Operation::Diff, {{1, 1, 1}}, {{1, 1, 1}, {9, 0, 4}}, {{9, 0, 4}}},
    {"a deleted tile leaves no trace", Operation::Diff, {{1, 1, 1}, {2, 1, 2}}, {{1, 1, 1}}, {}},
    {"an added object covers added tiles", Operation::Diff, {}, {{3, 3, 217}, {4, 4, 1}, {5, 3, 2}},
     {{3, 3, 217}, {5, 3, 2}}},
    {"each unaltered record cancels one edited record", Operation::Diff, {{2, 2, 1}}, {{2, 2, 1}, {2, 2, 1}},
     {{2, 2, 1}}},
};

TEST(Overlay, SmallLevels) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        Result run;
        RunOn(c.operation, LevelBytes({}, c.first), LevelBytes({}, c.second), run);
        ASSERT_TRUE(run.outcome.Done());
        EXPECT_EQ(RecordsOf(run.output), c.expected);
        EXPECT_EQ(run.host.Calls().back().kind, RecordingHost::Kind::RestoreTitle);
    }
}

// Only the first input's tileset is copied, byte for byte, with its comments; the records follow it.
TEST(Overlay, TilesetComesFromTheFirstLevelOnly) {
    auto tileset = TilesetBitmap({.seed = 3, .comments = {'h', 'i', 0, 0}});
    for (Operation operation : {Operation::Overlay, Operation::Diff}) {
        Result run;
        RunOn(operation, LevelBytes(tileset, {{1, 1, 1}}),
              LevelBytes(TilesetBitmap({.seed = 5}), {{2, 2, 2}}), run);
        ASSERT_TRUE(run.outcome.Done());
        EXPECT_EQ(run.output, LevelBytes(tileset, operation == Operation::Overlay ? Records{{1, 1, 1}, {2, 2, 2}}
                                                                                  : Records{{2, 2, 2}}));
    }
    Result run;
    RunOn(Operation::Diff, LevelBytes({}, {{1, 1, 1}}), LevelBytes(TilesetBitmap(), {{1, 1, 1}}), run);
    EXPECT_TRUE(run.output.empty());
}

TEST(Overlay, ProgressTitles) {
    Records many;
    for (int i = 0; i < 2100; ++i) many.push_back({i % 1000, i / 1000, 1});
    Result run;
    RunOn(Operation::Overlay, LevelBytes({}, many), LevelBytes({}, {}), run);
    EXPECT_EQ(run.host.Titles(), (std::vector<std::string>{"Sorting data...", "Cleaning...", "0% cleaned...",
                                                           "48% cleaned...", "97% cleaned...", "Writing level..."}));
    // One record: the cleaning figure would divide by 0, and fewer than 100 records give no diffing figure.
    Result single;
    RunOn(Operation::Diff, LevelBytes({}, {{1, 1, 1}}), LevelBytes({}, {{1, 1, 2}}), single);
    EXPECT_EQ(single.host.Titles(),
              (std::vector<std::string>{"Sorting data...", "Sorting data...", "Cleaning...", "Writing level..."}));
}

TEST(Overlay, DiffProgressCountsTheRecordsLeft) {
    Records a;
    for (int i = 0; i < 200; ++i) a.push_back({i, 0, 1});
    Result run;
    RunOn(Operation::Diff, LevelBytes({}, a), LevelBytes({}, a), run);
    std::vector<std::string> titles = run.host.Titles();
    ASSERT_GE(titles.size(), 4u);
    EXPECT_EQ(titles[2], "0% diffed...");
    EXPECT_EQ(titles[3], "1% diffed...");
    EXPECT_EQ(titles[titles.size() - 3], "99% diffed...");  // (198 + 1) * 100 div 201
    EXPECT_TRUE(RecordsOf(run.output).empty());
}

TEST(Overlay, BadInputsAreRefusedWithoutOutput) {
    auto beyond = TilesetBitmap();
    WriteU32(beyond.data() + 2, 60000);
    // A size inside the header would have the header's bytes merged as records.
    auto inside = LevelBytes(TilesetBitmap(), {{1, 1, 1}});
    WriteU32(inside.data() + 2, 0);
    auto good = LevelBytes({}, {{1, 1, 1}});
    struct Case {
        std::vector<std::uint8_t> bytes;
        std::string reason;
    };
    const Case cases[] = {{beyond, " has a tileset size beyond the end of the file."},
                          {inside, " has a tileset size smaller than a tileset's header and colour table."}};
    for (const Case& c : cases) {
        for (Operation operation : {Operation::Overlay, Operation::Diff}) {
            for (bool firstIsBad : {true, false}) {
                Result run;
                RunOn(operation, firstIsBad ? c.bytes : good, firstIsBad ? good : c.bytes, run);
                EXPECT_FALSE(run.outcome.Done());
                ASSERT_EQ(run.host.Summary().size(), 1u);
                std::string bad = firstIsBad ? "a.lvl" : "b.lvl";
                EXPECT_NE(run.host.Summary()[0].find(bad + c.reason), std::string::npos);
                EXPECT_EQ(run.host.Summary()[0].rfind("-=-=-=-=-=-=-=-=-\r\n", 0), 0u);
                // The title comes back before the result is shown.
                EXPECT_EQ(run.host.Calls().back().kind, RecordingHost::Kind::AddText);
                EXPECT_EQ(run.host.Calls()[run.host.Calls().size() - 2].kind, RecordingHost::Kind::RestoreTitle);
            }
        }
    }
    RecordingHost host;
    ScratchDir dir;
    EXPECT_FALSE(host.Report(ApplyOverlay(host, dir.File("missing.lvl"), dir.Write("o.lvl", good))).Done());
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"o.lvl"});
}

TEST(Overlay, FailedWriteLeavesNoOutput) {
    struct FailFlush : WriteFaults {
        bool ShouldFail(WriteStep step) override { return step == WriteStep::Flush; }
    } faults;
    for (Operation operation : {Operation::Overlay, Operation::Diff}) {
        Result run;
        run.host.SetFaults(&faults);
        RunOn(operation, LevelBytes({}, {{1, 1, 1}}), LevelBytes({}, {{2, 2, 2}}), run);
        EXPECT_FALSE(run.outcome.Done());
        ASSERT_EQ(run.host.Summary().size(), 1u);
        EXPECT_NE(run.host.Summary()[0].find("a-0.lvl could not be written."), std::string::npos);
    }
}

TEST(Overlay, TruncatedRecordAndBitsBeyondTheMapSurvive) {
    auto level = LevelBytes({}, {{4000, 4095, 3}});
    level.push_back(0x77);  // a cut-off record is ignored
    Result run;
    RunOn(Operation::Overlay, level, LevelBytes({}, {}), run);
    EXPECT_EQ(RecordsOf(run.output), (Records{{4000, 4095, 3}}));
}

// Random small levels full of objects, duplicates and empty records against the operations word for word.
TEST(Overlay, AgreesWithTheLiteralProcedures) {
    std::mt19937 random(42);
    const std::uint8_t tiles[] = {0, 1, 2, 20, 170, 191, 216, 217, 217, 219, 220, 221, 255};
    auto randomLevel = [&](int count, int span) {
        Records r;
        for (int i = 0; i < count; ++i)
            r.push_back({static_cast<int>(random() % span), static_cast<int>(random() % span),
                         tiles[random() % std::size(tiles)]});
        return r;
    };
    for (int round = 0; round < 60; ++round) {
        int span = 3 + round % 12;
        Records first = randomLevel(static_cast<int>(random() % 80), span);
        Records second = randomLevel(static_cast<int>(random() % 80), span);
        if (round % 3 == 0) second.insert(second.end(), first.begin(), first.end());
        SCOPED_TRACE("round " + std::to_string(round));
        Result merged;
        RunOn(Operation::Overlay, LevelBytes({}, first), LevelBytes({}, second), merged);
        EXPECT_EQ(RecordsOf(merged.output), LiteralOverlay(first, second));
        Result diff;
        RunOn(Operation::Diff, LevelBytes({}, first), LevelBytes({}, second), diff);
        EXPECT_EQ(RecordsOf(diff.output), LiteralDiff(first, second));
    }
}

// Levels whose records each stand at a place of their own (nearly every real level) are combined in one pass
// over the map; the result is word for word the literal procedures'.
TEST(Overlay, OnePassOverTheMapAgreesWithTheLiteralProcedures) {
    std::mt19937 random(7);
    const std::uint8_t tiles[] = {0, 1, 2, 20, 170, 191, 216, 217, 217, 219, 219, 220, 221, 255};
    auto distinctLevel = [&](int count, int span, int offset) {
        Records r;
        std::set<std::pair<int, int>> taken;
        for (int i = 0; i < count; ++i) {
            int x = offset + static_cast<int>(random() % span),
                y = offset + static_cast<int>(random() % span);
            if (taken.insert({x, y}).second) r.push_back({x, y, tiles[random() % std::size(tiles)]});
        }
        return r;
    };
    for (int round = 0; round < 60; ++round) {
        int span = 4 + round % 20;
        // Some rounds lie at the map's far corner, where objects are cut at its edges.
        int offset = round % 4 == 0 ? 1024 - span : 0;
        Records first = distinctLevel(static_cast<int>(random() % 150), span, offset);
        Records second = distinctLevel(static_cast<int>(random() % 150), span, offset);
        SCOPED_TRACE("round " + std::to_string(round));
        Result merged;
        RunOn(Operation::Overlay, LevelBytes({}, first), LevelBytes(TilesetBitmap(), second), merged);
        EXPECT_EQ(RecordsOf(merged.output), LiteralOverlay(first, second));
        Result diff;
        RunOn(Operation::Diff, LevelBytes(TilesetBitmap(), first), LevelBytes({}, second), diff);
        EXPECT_EQ(diff.output, LevelBytes(TilesetBitmap(), LiteralDiff(first, second)));
    }
}

TEST(Overlay, BatchDescription) {
    RecordingHost host;
    ScratchDir dir;
    std::string overlay = dir.Write("diff.lvl", LevelBytes({}, {{1, 1, 9}}));
    std::string level = dir.Write("map.lvl", LevelBytes({}, {{1, 1, 1}}));
    BatchOperation operation = OverlayOperation(overlay);
    EXPECT_EQ(operation.dialogTitle, "Apply overlay to level(s):");
    EXPECT_EQ(operation.filter, "SubSpace Levels (*.lvl)|*.lvl");
    BatchReport report = RunBatch(host, {level, dir.File("notes.txt")}, operation.job);
    EXPECT_EQ(operation.CompletionText(report),
              "Overlay application complete.\r\n\r\n1 processed.\r\n1 could not be processed.");
    EXPECT_EQ(RecordsOf(test::ReadBytes(dir.File("map-0.lvl"))), (Records{{1, 1, 9}}));
}

TEST(Overlay, DiffButtonReportsAndCloses) {
    RecordingHost host;
    ScratchDir dir;
    std::string a = dir.Write("a.lvl", LevelBytes({}, {{1, 1, 1}}));
    std::string b = dir.Write("b.lvl", LevelBytes({}, {{1, 1, 2}}));
    FileResult outcome = DiffLevels(host, a, b);
    EXPECT_TRUE(outcome.Done());
    EXPECT_EQ(host.Calls().front().kind, RecordingHost::Kind::ClearText);
    EXPECT_EQ(host.Summary(),
              (std::vector<std::string>{"Processing file: " + a, "Created: " + dir.File("a-0.lvl")}));
    EXPECT_EQ(host.Messages(), std::vector<std::string>{"Diff generation complete."});
}

}  // namespace
}  // namespace vetra::convert
