#pragma once

#include <QColor>
#include <QString>

#include <cstdint>

namespace plotmere {

// Colours are stored as one integer with red in the low byte: red + 256 * green +
// 65536 * blue, the upper byte 0 (white is 16777215, FF4040 is 4210943).
using ColorValue = std::uint32_t;

// A colour written as RRGGBB, red first, as the tables give it.
constexpr ColorValue Rgb(std::uint32_t rrggbb) {
    return ((rrggbb >> 16) & 0xFF) | (rrggbb & 0xFF00) | ((rrggbb & 0xFF) << 16);
}

constexpr int RedOf(ColorValue c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(ColorValue c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(ColorValue c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

constexpr ColorValue ColorFromComponents(int red, int green, int blue) {
    return static_cast<ColorValue>(red) | (static_cast<ColorValue>(green) << 8) |
           (static_cast<ColorValue>(blue) << 16);
}

// Only the low 24 bits mean anything; a hand-edited value beyond them keeps just those.
inline QColor ToQColor(ColorValue c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

// RRGGBB, red first, as the tables write colours (FF4040).
inline QString ColorText(ColorValue c) {
    return QStringLiteral("%1%2%3")
        .arg(RedOf(c), 2, 16, QLatin1Char('0'))
        .arg(GreenOf(c), 2, 16, QLatin1Char('0'))
        .arg(BlueOf(c), 2, 16, QLatin1Char('0'))
        .toUpper();
}

inline ColorValue FromQColor(const QColor& color) {
    return ColorFromComponents(color.red(), color.green(), color.blue());
}

// 0xAARRGGBB as QImage::Format_RGB32 stores a pixel.
constexpr std::uint32_t ToPixel(ColorValue c) {
    return 0xFF000000u | (static_cast<std::uint32_t>(RedOf(c)) << 16) |
           (static_cast<std::uint32_t>(GreenOf(c)) << 8) | static_cast<std::uint32_t>(BlueOf(c));
}

} // namespace plotmere
