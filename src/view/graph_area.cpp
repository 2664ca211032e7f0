#include "view/graph_area.h"

#include "view/drawing_units.h"
#include "view/raster.h"

#include <cmath>

namespace plotmere {

namespace {

// Grid lines fall on the integers from floor(low) to floor(high). Counted rather than stepped,
// so that huge or equal hand-edited ends cannot make the loop run forever.
template <typename Draw> void ForEachGridInteger(float low, float high, Draw draw) {
    const double first = std::floor(static_cast<double>(low));
    const double count = std::floor(static_cast<double>(high)) - first + 1;
    for (int k = 0; k < count && k <= 101; ++k) {
        draw(first + k);
    }
}

} // namespace

void DrawEmptyGraphArea(QImage& image, const ViewRange& range, const ViewOptions& options,
                        const GraphColors& colors) {
    const std::int32_t n = UsableSampleCount(options.sampleCount);
    Raster raster(image, DrawingUnits::ForSampleCount(n));
    raster.clear(colors.backColor);

    const double xSpan = static_cast<double>(range.Xmax) - range.Xmin;
    const double ySpan = static_cast<double>(range.Ymax) - range.Ymin;
    const auto fn = static_cast<float>(n);
    if (options.showGrid == 1 && xSpan < 100 && ySpan < 100) {
        ForEachGridInteger(range.Xmin, range.Xmax, [&](double i) {
            raster.verticalLine(static_cast<float>(XUnits(i, range, n)), 0, 1000, colors.gridColor);
        });
        ForEachGridInteger(range.Ymin, range.Ymax, [&](double j) {
            raster.horizontalLine(0, fn, static_cast<float>(YUnits(j, range)), colors.gridColor);
        });
    }
    raster.verticalLine(static_cast<float>(XUnits(0, range, n)), 0, 1000, colors.axisColor);
    raster.horizontalLine(0, fn, static_cast<float>(YUnits(0, range)), colors.axisColor);
}

} // namespace plotmere
