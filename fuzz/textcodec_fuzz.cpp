// Text conversion and field splitting: Windows-1252 survives a trip through UTF-8, and splits join back.
#include <cstdint>
#include <string>
#include <string_view>

#include "support/fuzzcheck.h"
#include "util/splitstring.h"
#include "util/textcodec.h"

namespace {

void CheckSplit(char delimiter, std::string_view text) {
    using vetra::fuzz::Require;
    std::vector<std::string> fields;
    int count = vetra::splitstring::SplitFields(delimiter, text, fields);
    Require(count >= 0 && static_cast<std::size_t>(count) <= fields.size(), "count beyond the fields");
    std::string joined;
    for (int i = 0; i < count; ++i) joined += (i ? std::string(1, delimiter) : "") + fields[i];
    Require(joined == text, "fields do not join back to the text");
    std::vector<std::string> two;
    int most = vetra::splitstring::SplitFieldsMax(delimiter, text, 2, two);
    Require(most <= 2 && (count < 2 || (most == 2 && two[0] + delimiter + two[1] == text)),
            "a split at the first delimiter loses text");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vetra::textcodec;
    using vetra::fuzz::Require;
    std::string_view text(reinterpret_cast<const char*>(data), size);
    Require(Utf8ToCp1252(Cp1252ToUtf8(text)) == text, "Windows-1252 text changed on the way through UTF-8");
    Utf8ToCp1252(text);
    std::vector<std::string> lines = SplitTextLines(text);
    std::vector<std::string> again = SplitTextLines(JoinCrLf(lines));
    Require(again == lines, "lines changed when joined with CR LF");
    StripUtf8Bom(text);
    if (size > 0) CheckSplit(text[0], text.substr(1));
    return 0;
}
