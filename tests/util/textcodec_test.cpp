#include "util/textcodec.h"

#include <gtest/gtest.h>

namespace vetra::textcodec {
namespace {

using Lines = std::vector<std::string>;

TEST(TextCodec, SplitTextLinesAtEveryKindOfLineEnd) {
    struct Case {
        std::string text;
        Lines lines;
    };
    for (const Case& c : {Case{"a\r\nb\r\n", {"a", "b"}}, Case{"a\nb\n", {"a", "b"}}, Case{"a\rb", {"a", "b"}},
                          Case{"a\n\r\nb", {"a", "", "b"}}, Case{"a\r\rb", {"a", "", "b"}}, Case{"", {}},
                          Case{"\n", {""}}, Case{"last", {"last"}}})
        EXPECT_EQ(SplitTextLines(c.text), c.lines) << c.text;
}

TEST(TextCodec, JoinWritesCrLf) {
    Lines lines{"a", "", "b"};
    EXPECT_EQ(JoinCrLf(lines), "a\r\n\r\nb\r\n");
}

TEST(TextCodec, Windows1252RoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
    EXPECT_EQ(Cp1252ToUtf8("\x80\xE9"), "\xE2\x82\xAC\xC3\xA9");  // euro sign, e acute
    EXPECT_EQ(Utf8ToCp1252("\xE2\x82\xAC caf\xC3\xA9"), "\x80 caf\xE9");
    EXPECT_EQ(Utf8ToCp1252("\xE4\xB8\xAD \xF0\x9F\x98\x80 \xC3"), "? ? ?");  // not representable, cut off
}

TEST(TextCodec, StripUtf8Bom) {
    EXPECT_EQ(StripUtf8Bom("\xEF\xBB\xBF[Misc]"), "[Misc]");
    EXPECT_EQ(StripUtf8Bom("[Misc]"), "[Misc]");
}

}  // namespace
}  // namespace vetra::textcodec
