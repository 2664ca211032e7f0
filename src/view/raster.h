#pragma once

#include "view/drawing_units.h"
#include "widgets/color_value.h"

#include <QImage>

namespace plotmere {

// Draws into the graph area's persistent image in drawing units, pixel by pixel: no painter,
// so a plot of 100000 points costs little more than its evaluation.
class Raster {
public:
    Raster(QImage& image, const DrawingUnits& units);

    void clear(ColorValue background);
    // Lines one pixel wide, both ends included.
    void verticalLine(float x, float yFrom, float yTo, ColorValue color);
    void horizontalLine(float xFrom, float xTo, float y, ColorValue color);
    // A single pixel (pen width 1).
    void point(float x, float y, ColorValue color) { setPixel(map_.column(x), map_.row(y), color); }
    // A dot drawn with pen width 2: two pixels by two.
    void dot(float x, float y, ColorValue color);

    const PixelMapping& mapping() const { return map_; }

private:
    void setPixel(int column, int row, ColorValue color) {
        if (column >= 0 && column < width_ && row >= 0 && row < height_) {
            reinterpret_cast<QRgb*>(image_.scanLine(row))[column] = ToPixel(color);
        }
    }

    QImage& image_;
    PixelMapping map_;
    int width_;
    int height_;
};

} // namespace plotmere
