#include "cfgset/caseblind.h"

#include <gtest/gtest.h>

#include <string>

namespace vetra::cfgset {
namespace {

int Sign(int value) { return (value > 0) - (value < 0); }

TEST(CaseBlind, FoldsThenComparesBytes) {
    struct Case {
        std::string a, b;
        int expected;
    };
    const Case cases[] = {
        {"Warbird", "WARBIRD", 0},
        {"", "", 0},
        {"Misc", "MiscX", -1},      // a prefix sorts first
        {"Bullet", "Misc", -1},
        {"_x", "Ax", -1},           // "A" folds to "a", which is above "_"
        {"zeta", "Alpha", 1},
        {"\xC9t\xE9", "\xE9T\xC9", 0},  // E acute, both cases
        {"\x8A", "\x9A", 0},        // S caron
        {"\x8C", "\x9C", 0},        // OE
        {"\x8E", "\x9E", 0},        // Z caron
        {"\x9F", "\xFF", 0},        // Y diaeresis
        {"\xD7", "\xF7", -1},       // multiplication and division signs are no letter pair
        {"\xE9", "z", 1},           // bytes above 0x7F sort after ASCII
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Sign(CompareCaseBlind(c.a, c.b)), c.expected) << c.a << " / " << c.b;
        EXPECT_EQ(Sign(CompareCaseBlind(c.b, c.a)), -c.expected) << c.b << " / " << c.a;
    }
}

}  // namespace
}  // namespace vetra::cfgset
