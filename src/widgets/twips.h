#pragma once

#include <QRect>
#include <QSize>

#include <cmath>

namespace plotmere {

// Positions and sizes are written in twips, as the layout tables give them; Qt works in
// device-independent pixels and scales those itself on high-DPI screens.
inline constexpr int TwipsPerPixel = 15;

inline int Twips(double twips) {
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}

inline int PixelsToTwips(int pixels) {
    return pixels * TwipsPerPixel;
}

inline QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(Twips(left), Twips(top), Twips(width), Twips(height));
}

inline QSize TwipsSize(int width, int height) {
    return QSize(Twips(width), Twips(height));
}

} // namespace plotmere
