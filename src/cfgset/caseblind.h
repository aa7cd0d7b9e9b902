#pragma once

#include <string>
#include <string_view>

// The one comparison of settings text: independent of the machine's locale, letters A-Z and the
// Windows-1252 capitals fold to lower case, then byte values decide; a prefix sorts before the longer text.
namespace vetra::cfgset {

// Negative, zero or positive as a sorts before, equals or sorts after b.
int CompareCaseBlind(std::string_view a, std::string_view b);

// The text with its letters folded: two texts are equal case-blind exactly when their folded forms are equal.
std::string FoldCase(std::string_view text);

inline bool EqualCaseBlind(std::string_view a, std::string_view b) { return CompareCaseBlind(a, b) == 0; }
inline bool SortsAfter(std::string_view a, std::string_view b) { return CompareCaseBlind(a, b) > 0; }

}  // namespace vetra::cfgset
