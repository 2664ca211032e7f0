#include "view/raster.h"

#include <algorithm>

namespace plotmere {

Raster::Raster(QImage& image, const DrawingUnits& units)
    : image_(image)
    , map_(units, image.width(), image.height())
    , width_(image.width())
    , height_(image.height()) {}

void Raster::clear(ColorValue background) {
    image_.fill(QColor::fromRgb(ToPixel(background)));
}

void Raster::verticalLine(float x, float yFrom, float yTo, ColorValue color) {
    const int column = map_.column(x);
    if (column < 0 || column >= width_) {
        return;
    }
    const int rowFrom = map_.row(yFrom);
    const int rowTo = map_.row(yTo);
    const int top = std::min(rowFrom, rowTo);
    const int bottom = std::max(rowFrom, rowTo);
    for (int row = std::max(top, 0); row <= std::min(bottom, height_ - 1); ++row) {
        setPixel(column, row, color);
    }
}

void Raster::horizontalLine(float xFrom, float xTo, float y, ColorValue color) {
    const int row = map_.row(y);
    if (row < 0 || row >= height_) {
        return;
    }
    const int columnFrom = map_.column(xFrom);
    const int columnTo = map_.column(xTo);
    const int left = std::min(columnFrom, columnTo);
    const int right = std::max(columnFrom, columnTo);
    for (int column = std::max(left, 0); column <= std::min(right, width_ - 1); ++column) {
        setPixel(column, row, color);
    }
}

void Raster::dot(float x, float y, ColorValue color) {
    const int column = map_.column(x);
    const int row = map_.row(y);
    setPixel(column, row, color);
    setPixel(column + 1, row, color);
    setPixel(column, row + 1, color);
    setPixel(column + 1, row + 1, color);
}

} // namespace plotmere
