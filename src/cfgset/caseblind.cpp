#include "cfgset/caseblind.h"

#include <cstdint>

namespace vetra::cfgset {
namespace {

std::uint8_t Fold(char c) {
    auto b = static_cast<std::uint8_t>(c);
    if (b >= 'A' && b <= 'Z') return b + 0x20;
    if (b >= 0xC0 && b <= 0xDE && b != 0xD7) return b + 0x20;  // Latin-1 capitals; 0xD7 is the multiplication sign
    switch (b) {
        case 0x8A: return 0x9A;  // S caron
        case 0x8C: return 0x9C;  // OE
        case 0x8E: return 0x9E;  // Z caron
        case 0x9F: return 0xFF;  // Y diaeresis
        default: return b;
    }
}

}  // namespace

std::string FoldCase(std::string_view text) {
    std::string folded(text);
    for (char& c : folded) c = static_cast<char>(Fold(c));
    return folded;
}

int CompareCaseBlind(std::string_view a, std::string_view b) {
    std::size_t common = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < common; ++i) {
        int difference = int(Fold(a[i])) - int(Fold(b[i]));
        if (difference != 0) return difference;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

}  // namespace vetra::cfgset
