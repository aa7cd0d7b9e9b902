#include "convert/recordsort.h"

#include <cstdint>
#include <vector>

namespace vetra::convert {
namespace {

// Records whose coordinates fit the 12 bits of a file's record are sorted as single words: the sort key in
// the high bits, the tile in the low 8, so that comparing words >> 8 compares places. A list of such words
// moves through the cache far faster than the records do.
constexpr bool InFileRange(std::int32_t v) { return v >= 0 && v <= 4095; }

struct TilePacking {
    static bool Fits(const TileRecord& r) { return InFileRange(r.x) && InFileRange(r.y); }
    static std::uint64_t Pack(const TileRecord& r) {
        return std::uint64_t(r.y) << 20 | std::uint64_t(r.x) << 8 | r.tile;
    }
    static TileRecord Unpack(std::uint64_t w) {
        return {static_cast<std::int32_t>(w >> 8 & 4095), static_cast<std::int32_t>(w >> 20 & 4095),
                static_cast<std::uint8_t>(w)};
    }
};

// At one place the overlay's record (bit 8 clear) sorts ahead of the level's (bit 8 set).
struct MergePacking {
    static bool Fits(const MergeRecord& r) {
        return InFileRange(r.x) && InFileRange(r.y) &&
               (r.source == MergeRecord::kLevel || r.source == MergeRecord::kOverlay);
    }
    static std::uint64_t Pack(const MergeRecord& r) {
        return std::uint64_t(r.y) << 21 | std::uint64_t(r.x) << 9 |
               std::uint64_t(r.source == MergeRecord::kLevel) << 8 | r.tile;
    }
    static MergeRecord Unpack(std::uint64_t w) {
        return {(w >> 8 & 1) ? MergeRecord::kLevel : MergeRecord::kOverlay,
                static_cast<std::int32_t>(w >> 9 & 4095), static_cast<std::int32_t>(w >> 21 & 4095),
                static_cast<std::uint8_t>(w)};
    }
};

bool KeyBefore(std::uint64_t a, std::uint64_t b) { return a >> 8 < b >> 8; }

// Tied records that are not identical: only then does the shell sort's own order matter.
bool DifferentTie(std::uint64_t a, std::uint64_t b) { return a != b && a >> 8 == b >> 8; }

// Every packed word fits in 33 bits, so three stable counting passes of 11 bits sort a million of them
// several times quicker than comparisons do.
std::vector<std::uint64_t> RadixSorted(const std::vector<std::uint64_t>& words) {
    constexpr int kBits = 11;
    constexpr std::size_t kBuckets = std::size_t(1) << kBits;
    std::vector<std::uint64_t> from = words, to(words.size());
    for (int shift = 0; shift < 3 * kBits; shift += kBits) {
        std::vector<std::size_t> start(kBuckets + 1, 0);
        for (std::uint64_t w : from) ++start[(w >> shift & (kBuckets - 1)) + 1];
        for (std::size_t b = 1; b <= kBuckets; ++b) start[b] += start[b - 1];
        for (std::uint64_t w : from) to[start[w >> shift & (kBuckets - 1)]++] = w;
        from.swap(to);
    }
    return from;
}

void SortWords(std::vector<std::uint64_t>& words) {
    std::vector<std::uint64_t> sorted = RadixSorted(words);
    if (std::adjacent_find(sorted.begin(), sorted.end(), DifferentTie) == sorted.end())
        words = std::move(sorted);
    else
        ShellSortByInsertion(std::span(words), KeyBefore);
}

template <class Packing, class Record>
void SortRecords(ProgressTitle& title, std::span<Record> records) {
    title.Show("Sorting data...");
    if (!std::all_of(records.begin(), records.end(), Packing::Fits)) {
        ShellSortByInsertion(records);
        return;
    }
    std::vector<std::uint64_t> words(records.size());
    std::transform(records.begin(), records.end(), words.begin(), Packing::Pack);
    SortWords(words);
    std::transform(words.begin(), words.end(), records.begin(), Packing::Unpack);
}

}  // namespace

void SortTileRecords(ProgressTitle& title, std::span<TileRecord> records) {
    SortRecords<TilePacking>(title, records);
}

void SortMergeRecords(ProgressTitle& title, std::span<MergeRecord> records) {
    SortRecords<MergePacking>(title, records);
}

}  // namespace vetra::convert
