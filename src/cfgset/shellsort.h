#pragma once

#include <cstddef>
#include <utility>
#include <vector>

namespace vetra::cfgset {

// The program's one shell sort. Its order of equal keys is part of the files it writes, so the procedure is
// kept exactly: the gap starts at (count - 1) / 2 (1 for two items), passes with one gap repeat until a pass
// swaps nothing, then the gap is halved. sortsAfter(a, b) is true when a belongs after b.
template <class T, class SortsAfterFn>
void ShellSort(std::vector<T>& items, SortsAfterFn sortsAfter) {
    std::size_t count = items.size();
    if (count < 2) return;
    std::size_t gap = count == 2 ? 1 : (count - 1) / 2;
    for (; gap >= 1; gap /= 2) {
        bool swapped = true;
        while (swapped) {
            swapped = false;
            for (std::size_t i = 0; i + gap < count; ++i) {
                if (sortsAfter(items[i], items[i + gap])) {
                    std::swap(items[i], items[i + gap]);
                    swapped = true;
                }
            }
        }
    }
}

}  // namespace vetra::cfgset
