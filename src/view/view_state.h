#pragma once

#include <cstdint>

namespace plotmere {

// The visible window of the plane. Single precision wherever it is stored; arithmetic on it is
// done in double precision and stored back.
struct ViewRange {
    float Xmin = -7;
    float Xmax = 7;
    float Ymin = -5;
    float Ymax = 6;
};

// Plotting options. The four switches are on only when they hold exactly 1.
struct ViewOptions {
    std::int32_t sampleCount = 10000;
    std::int32_t showGrid = 1;
    std::int32_t keepAspect = 1;
    std::int32_t lookForSingular = 1;
    std::int32_t randomColor = 0;
};

} // namespace plotmere
