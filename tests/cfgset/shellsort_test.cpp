#include "cfgset/shellsort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

namespace vetra::cfgset {
namespace {

bool KeyAfter(const std::string& a, const std::string& b) { return a[0] > b[0]; }

// The order of equal keys is the sort's own: traced by hand through the gap-2 and gap-1 passes.
TEST(ShellSort, LeavesEqualKeysInItsOwnOrder) {
    std::vector<std::string> items = {"B1", "A1", "B2", "A2", "A3"};
    ShellSort(items, KeyAfter);
    EXPECT_EQ(items, (std::vector<std::string>{"A3", "A1", "A2", "B1", "B2"}));
}

TEST(ShellSort, SmallLists) {
    std::vector<std::string> none;
    ShellSort(none, KeyAfter);
    std::vector<std::string> one = {"Z1"};
    ShellSort(one, KeyAfter);
    EXPECT_EQ(one, std::vector<std::string>{"Z1"});
    std::vector<std::string> two = {"B1", "A1"};  // the gap of two items is 1, not 0
    ShellSort(two, KeyAfter);
    EXPECT_EQ(two, (std::vector<std::string>{"A1", "B1"}));
}

TEST(ShellSort, SortsAnyList) {
    std::mt19937 random(7);
    for (int count : {3, 4, 17, 100, 1001}) {
        std::vector<int> items(count);
        for (int& item : items) item = int(random() % 50);
        ShellSort(items, [](int a, int b) { return a > b; });
        EXPECT_TRUE(std::is_sorted(items.begin(), items.end())) << count;
    }
}

}  // namespace
}  // namespace vetra::cfgset
