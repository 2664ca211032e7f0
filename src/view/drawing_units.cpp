#include "view/drawing_units.h"

#include "engine/number_text.h"

#include <algorithm>
#include <cmath>

namespace plotmere {

std::int32_t UsableSampleCount(std::int32_t sampleCount) {
    return std::clamp(sampleCount, MinSampleCount, MaxSampleCount);
}

std::int32_t HorizontalMargin(std::int32_t sampleCount) {
    const double product = static_cast<double>(sampleCount) * 5;
    return static_cast<std::int32_t>(RoundHalfEven(product / 1000));
}

DrawingUnits DrawingUnits::ForSampleCount(std::int32_t sampleCount) {
    const std::int32_t margin = HorizontalMargin(sampleCount);
    DrawingUnits units;
    units.left = -margin;
    units.width = static_cast<double>(sampleCount) + 2.0 * margin;
    return units;
}

double XUnits(double x, const ViewRange& range, std::int32_t sampleCount) {
    return (x - range.Xmin) * sampleCount / (static_cast<double>(range.Xmax) - range.Xmin);
}

double YUnits(double y, const ViewRange& range) {
    return (y - range.Ymin) * 1000 / (static_cast<double>(range.Ymax) - range.Ymin);
}

namespace {

// Far enough outside any raster to be clipped, small enough never to overflow an int.
constexpr double FarOutside = 1 << 28;

int PixelIndex(double position) {
    if (!(position > -FarOutside)) {
        return -static_cast<int>(FarOutside);
    }
    if (!(position < FarOutside)) {
        return static_cast<int>(FarOutside);
    }
    return static_cast<int>(std::floor(position));
}

} // namespace

PixelMapping::PixelMapping(const DrawingUnits& units, int widthPixels, int heightPixels)
    : units_(units)
    , widthPixels_(widthPixels)
    , heightPixels_(heightPixels)
    , columnsPerUnit_(widthPixels / units.width)
    , rowsPerUnit_(heightPixels / units.height) {}

int PixelMapping::column(float xUnits) const {
    return PixelIndex((xUnits - units_.left) * columnsPerUnit_);
}

int PixelMapping::row(float yUnits) const {
    return PixelIndex((yUnits - units_.top) * rowsPerUnit_);
}

} // namespace plotmere
