#pragma once

#include <QRect>

namespace vetra::widgets {

// Window layouts are given in twips; 15 of them make one pixel at 96 dots per inch.
inline constexpr int Twips(int twips) { return twips / 15; }

inline QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(Twips(left), Twips(top), Twips(width), Twips(height));
}

}  // namespace vetra::widgets
