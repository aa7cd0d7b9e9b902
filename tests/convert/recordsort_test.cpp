#include "convert/recordsort.h"

#include <gtest/gtest.h>

#include <ctime>
#include <random>
#include <vector>

#include "support/recordinghost.h"

namespace vetra::convert {
namespace {

std::vector<TileRecord> RandomTileRecords(std::mt19937& random, std::size_t count, int span) {
    std::vector<TileRecord> records(count);
    for (TileRecord& r : records)
        r = {static_cast<int>(random() % span), static_cast<int>(random() % span), static_cast<std::uint8_t>(random())};
    return records;
}

std::vector<MergeRecord> RandomMergeRecords(std::mt19937& random, std::size_t count, int span) {
    std::vector<MergeRecord> records(count);
    for (MergeRecord& r : records)
        r = {random() % 2 ? MergeRecord::kOverlay : MergeRecord::kLevel, static_cast<int>(random() % span),
             static_cast<int>(random() % span), static_cast<std::uint8_t>(random())};
    return records;
}

template <class Record>
void ExpectSameOrderEverywhere(std::vector<Record> records, void (*sort)(ProgressTitle&, std::span<Record>)) {
    std::vector<Record> byPasses = records;
    ShellSortByPasses(std::span(byPasses));
    std::vector<Record> byInsertion = records;
    ShellSortByInsertion(std::span(byInsertion));
    RecordingHost host;
    {
        ProgressTitle title(host);
        sort(title, records);
    }
    ASSERT_EQ(byInsertion, byPasses);
    ASSERT_EQ(records, byPasses);
    EXPECT_EQ(host.Titles(), std::vector<std::string>{"Sorting data..."});
}

// Small spans force many records onto one place, where the order of the passes decides who comes first; large
// spans give lists without ties, which the quick sort path takes.
TEST(RecordSort, EveryWayGivesTheShellSortsOrder) {
    std::mt19937 random(20261210);
    for (int span : {2, 3, 5, 40, 4096}) {
        for (std::size_t count : {0, 1, 2, 3, 4, 7, 16, 100, 1000, 3001}) {
            SCOPED_TRACE("span " + std::to_string(span) + ", count " + std::to_string(count));
            ExpectSameOrderEverywhere(RandomTileRecords(random, count, span), &SortTileRecords);
            ExpectSameOrderEverywhere(RandomMergeRecords(random, count, span), &SortMergeRecords);
        }
    }
}

// Coordinates that no file record can hold take the sort of the records themselves.
TEST(RecordSort, RecordsOutsideTheFileRangeSortTheSameWay) {
    std::mt19937 random(5);
    auto tiles = RandomTileRecords(random, 500, 4);
    auto merges = RandomMergeRecords(random, 500, 4);
    tiles[17].x = -1;
    merges[3].y = 5000;
    ExpectSameOrderEverywhere(tiles, &SortTileRecords);
    ExpectSameOrderEverywhere(merges, &SortMergeRecords);
}

TEST(RecordSort, TiesKeepTheOrderThePassesLeave) {
    // Three records at one place: the passes with gap 1 swap the level's record behind the overlay's but never
    // exchange the two level records, whatever a stable or unstable sort of the whole list would do.
    std::vector<MergeRecord> records = {
        {MergeRecord::kLevel, 5, 5, 1}, {MergeRecord::kLevel, 5, 5, 2}, {MergeRecord::kOverlay, 5, 5, 3},
        {MergeRecord::kLevel, 0, 0, 4}};
    RecordingHost host;
    ProgressTitle title(host);
    SortMergeRecords(title, records);
    std::vector<MergeRecord> expected = {
        {MergeRecord::kLevel, 0, 0, 4}, {MergeRecord::kOverlay, 5, 5, 3}, {MergeRecord::kLevel, 5, 5, 1},
        {MergeRecord::kLevel, 5, 5, 2}};
    std::vector<MergeRecord> byPasses = records;
    ShellSortByPasses(std::span(byPasses));
    EXPECT_EQ(byPasses, records);
    EXPECT_EQ(records, expected);
}

TEST(RecordSort, TwoRecordsAreSorted) {
    std::vector<TileRecord> records = {{3, 9, 1}, {700, 2, 2}};
    RecordingHost host;
    ProgressTitle title(host);
    SortTileRecords(title, records);
    EXPECT_EQ(records, (std::vector<TileRecord>{{700, 2, 2}, {3, 9, 1}}));
}

#if defined(NDEBUG) && !defined(__SANITIZE_ADDRESS__)
TEST(RecordSort, AMillionRecordsWithTiesTakeWellUnderASecond) {
    std::mt19937 random(7);
    std::vector<MergeRecord> records = RandomMergeRecords(random, 1'000'000, 1024);
    RecordingHost host;
    // Processor time, so that other work on a busy machine does not count.
    std::clock_t start = std::clock();
    ProgressTitle title(host);
    SortMergeRecords(title, records);
    double seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    EXPECT_LT(seconds, 0.5);
    EXPECT_TRUE(std::is_sorted(records.begin(), records.end(),
                               [](const MergeRecord& a, const MergeRecord& b) { return PlaceBefore(a, b); }));
}
#endif

}  // namespace
}  // namespace vetra::convert
