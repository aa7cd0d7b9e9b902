#pragma once

#include <algorithm>
#include <cstddef>
#include <span>
#include <utility>

#include "convert/mergerecord.h"
#include "formats/tilerecord.h"
#include "util/progresstitle.h"

// Sorting of tile records by row, then column, for the overlay tools. Which of two records at one place survives
// the merge depends on the order the sort leaves them in, so every sort here gives exactly the order of the
// program's shell sort. None of them fails.
namespace vetra::convert {

// Ascending y, then x. Records equal in both are tied.
inline bool PlaceBefore(const TileRecord& a, const TileRecord& b) { return a.y < b.y || (a.y == b.y && a.x < b.x); }

// Ascending y, then x; at one place the overlay's record goes ahead of the level's.
inline bool PlaceBefore(const MergeRecord& a, const MergeRecord& b) {
    if (a.y != b.y) return a.y < b.y;
    if (a.x != b.x) return a.x < b.x;
    return a.source == MergeRecord::kOverlay && b.source == MergeRecord::kLevel;
}

// The first gap of the shell sort for a list of count records; 0 when there is nothing to sort.
inline std::size_t FirstGap(std::size_t count) { return count == 2 ? 1 : count < 2 ? 0 : (count - 1) / 2; }

// The shell sort as the program defines it: for each gap, passes that swap record i with record i + gap when
// they are out of order repeat until a pass swaps nothing; then the gap is halved.
template <class Record, class Less>
void ShellSortByPasses(std::span<Record> records, Less before) {
    for (std::size_t gap = FirstGap(records.size()); gap >= 1; gap /= 2) {
        bool swapped;
        do {
            swapped = false;
            for (std::size_t i = 0; i + gap < records.size(); ++i) {
                if (before(records[i + gap], records[i])) {
                    std::swap(records[i], records[i + gap]);
                    swapped = true;
                }
            }
        } while (swapped);
    }
}

// The same order in far less time. With one gap the repeated passes leave each chain i, i + gap, i + 2 gap, ...
// sorted without ever exchanging two tied records, and there is only one such order of a chain: the one an
// insertion sort of the chain gives. The passes, by contrast, can take hundreds of sweeps of a long list.
template <class Record, class Less>
void ShellSortByInsertion(std::span<Record> records, Less before) {
    for (std::size_t gap = FirstGap(records.size()); gap >= 1; gap /= 2) {
        for (std::size_t i = gap; i < records.size(); ++i) {
            Record moving = records[i];
            std::size_t j = i;
            for (; j >= gap && before(moving, records[j - gap]); j -= gap) records[j] = records[j - gap];
            records[j] = moving;
        }
    }
}

template <class Record>
void ShellSortByPasses(std::span<Record> records) {
    ShellSortByPasses(records, [](const Record& a, const Record& b) { return PlaceBefore(a, b); });
}

template <class Record>
void ShellSortByInsertion(std::span<Record> records) {
    ShellSortByInsertion(records, [](const Record& a, const Record& b) { return PlaceBefore(a, b); });
}

// Shows "Sorting data..." in the title and sorts the records in place. Where no two records tie, any sort gives
// the shell sort's order and a quicker one is used.
void SortTileRecords(ProgressTitle& title, std::span<TileRecord> records);
void SortMergeRecords(ProgressTitle& title, std::span<MergeRecord> records);

}  // namespace vetra::convert
