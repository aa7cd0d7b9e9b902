#include "util/splitstring.h"

#include <gtest/gtest.h>

namespace vetra::splitstring {
namespace {

using Fields = std::vector<std::string>;

TEST(SplitString, SplitFields) {
    struct Case {
        const char* text;
        Fields fields;
    };
    for (const Case& c : {Case{"a-b", {"a", "b"}}, Case{"a-", {"a", ""}}, Case{"-a", {"", "a"}},
                          Case{"a--b", {"a", "", "b"}}, Case{"-", {"", ""}}, Case{"--", {"", "", ""}},
                          Case{"abc", {"abc"}}, Case{"", {}}}) {
        Fields fields{"stale"};
        EXPECT_EQ(SplitFields('-', c.text, fields), static_cast<int>(c.fields.size())) << c.text;
        EXPECT_EQ(fields, c.fields) << c.text;
    }
}

TEST(SplitString, SplitFieldsMax) {
    struct Case {
        const char* text;
        int maximum;
        Fields fields;
    };
    for (const Case& c : {Case{"a:b:c:", 2, {"a", "b:c:"}}, Case{"a:b:c", 3, {"a", "b", "c"}},
                          Case{"a:b", 5, {"a", "b"}}, Case{"a:b:c:d:e:f:g", 5, {"a", "b", "c", "d", "e:f:g"}},
                          Case{"x::", 1, {"x::"}}}) {
        Fields fields;
        EXPECT_EQ(SplitFieldsMax(':', c.text, c.maximum, fields), static_cast<int>(c.fields.size())) << c.text;
        EXPECT_EQ(fields, c.fields) << c.text;
    }
}

}  // namespace
}  // namespace vetra::splitstring
