#include "util/splitstring.h"

namespace vetra::splitstring {

int SplitFields(char delimiter, std::string_view text, std::vector<std::string>& fields) {
    fields.clear();
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == delimiter) {
            fields.emplace_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    if (!text.empty()) fields.emplace_back(text.substr(start));  // empty when the text ends with the delimiter
    return static_cast<int>(fields.size());
}

int SplitFieldsMax(char delimiter, std::string_view text, int maximum, std::vector<std::string>& fields) {
    int count = SplitFields(delimiter, text, fields);
    if (maximum < 1) maximum = 1;
    if (count <= maximum) return count;
    std::string& last = fields[maximum - 1];
    for (int i = maximum; i < count; ++i) {
        last += delimiter;
        last += fields[i];
    }
    fields.resize(maximum);
    return maximum;
}

}  // namespace vetra::splitstring
