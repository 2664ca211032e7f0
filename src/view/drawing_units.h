#pragma once

#include "view/view_state.h"

#include <cstdint>

namespace plotmere {

// Sample counts outside 200 ... 100000 can only come from a hand-edited store. Drawing and
// sampling use the count clamped to this range so that a huge value cannot exhaust memory and
// zero or a negative value cannot divide by zero.
inline constexpr std::int32_t MinSampleCount = 200;
inline constexpr std::int32_t MaxSampleCount = 100000;
std::int32_t UsableSampleCount(std::int32_t sampleCount);

// The graph area's own coordinate system: horizontally -m ... N + m, where N is the sample
// count and m half a percent of it; vertically 1005 at the top down to -7 at the bottom. The
// data window maps onto 0 ... N by 0 ... 1000.
struct DrawingUnits {
    double left;
    double width;
    double top = 1005;
    double height = -1012;

    static DrawingUnits ForSampleCount(std::int32_t sampleCount);
};

// m = N * 5 / 1000 rounded half to even.
std::int32_t HorizontalMargin(std::int32_t sampleCount);

// Where (x, y) of the plane lies in drawing units.
double XUnits(double x, const ViewRange& range, std::int32_t sampleCount);
double YUnits(double y, const ViewRange& range);

// Drawing units onto a raster of widthPixels by heightPixels: the whole client area.
class PixelMapping {
public:
    PixelMapping(const DrawingUnits& units, int widthPixels, int heightPixels);

    // Pixel column and row containing the point, possibly outside the raster. Positions reach
    // the drawing in single precision, hence the float arguments. Non-finite or huge positions
    // give a far-outside index instead of overflowing.
    int column(float xUnits) const;
    int row(float yUnits) const;

    int widthPixels() const { return widthPixels_; }
    int heightPixels() const { return heightPixels_; }

private:
    DrawingUnits units_;
    int widthPixels_;
    int heightPixels_;
    double columnsPerUnit_;
    double rowsPerUnit_;
};

} // namespace plotmere
