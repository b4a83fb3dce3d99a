#pragma once
// Window geometry is designed in twips; 15 twips are one device-independent pixel.

#include <QRect>

#include <cmath>

namespace ombrix {

inline int Px(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

inline QRect Twips(int left, int top, int width, int height) {
    return {Px(left), Px(top), Px(width), Px(height)};
}

} // namespace ombrix
