#include "view/natural_ratio.h"

#include <cmath>

namespace plotmere {

namespace {

// Cut down to a multiple of 0.01 (towards minus infinity).
float CutToHundredths(float value) {
    return static_cast<float>(std::floor(static_cast<double>(value) * 100) / 100);
}

double XSpan(const ViewRange& range) {
    return static_cast<double>(range.Xmax) - range.Xmin;
}

// The cut to hundredths can make a very small range empty, and every drawing formula divides
// by its height: keep the top strictly above the bottom.
void KeepTopAboveBottom(ViewRange& range, bool moveTop) {
    if (range.Ymax > range.Ymin || std::isnan(range.Ymin) || std::isnan(range.Ymax)) {
        return;
    }
    if (moveTop) {
        range.Ymax = static_cast<float>(static_cast<double>(range.Ymin) + 0.01);
        if (!(range.Ymax > range.Ymin)) {
            range.Ymax = std::nextafter(range.Ymin, INFINITY);
        }
    } else {
        range.Ymin = static_cast<float>(static_cast<double>(range.Ymax) - 0.01);
        if (!(range.Ymin < range.Ymax)) {
            range.Ymin = std::nextafter(range.Ymax, -INFINITY);
        }
    }
}

// A y range beyond single precision (from an x span near the float limit) could not be stored
// as a number that reads back: the y range stays as it was then.
void KeepFiniteOrRestore(ViewRange& range, const ViewRange& before) {
    if (!std::isfinite(range.Ymin) || !std::isfinite(range.Ymax)) {
        range.Ymin = before.Ymin;
        range.Ymax = before.Ymax;
    }
}

} // namespace

float RoundToQuarter(float value) {
    const float cut = CutToHundredths(value);
    const double whole = std::floor(static_cast<double>(cut));
    const double fraction = cut - whole;
    double result = whole + 1;
    if (fraction <= static_cast<double>(0.1f)) {
        result = whole;
    } else if (fraction < static_cast<double>(0.4f)) {
        result = whole + 0.25;
    } else if (fraction <= static_cast<double>(0.6f)) {
        result = whole + 0.5;
    } else if (fraction < static_cast<double>(0.9f)) {
        result = whole + 0.75;
    }
    return static_cast<float>(result);
}

void ApplyAspect(ViewRange& range, double ratio) {
    const ViewRange before = range;
    if (std::fabs(range.Ymin) != range.Ymax) {
        range.Ymax = static_cast<float>(range.Ymin + XSpan(range) * ratio);
        range.Ymax = CutToHundredths(range.Ymax);
    } else {
        const float height = static_cast<float>(ratio * XSpan(range));
        range.Ymin = RoundToQuarter(static_cast<float>(-height / 2.0));
        range.Ymax = static_cast<float>(range.Ymin + XSpan(range) * ratio);
        range.Ymax = CutToHundredths(range.Ymax);
    }
    KeepFiniteOrRestore(range, before);
    KeepTopAboveBottom(range, true);
}

void ApplyAspectFromTop(ViewRange& range, double ratio) {
    const ViewRange before = range;
    range.Ymin = static_cast<float>(range.Ymax - XSpan(range) * ratio);
    range.Ymin = static_cast<float>(std::floor(static_cast<double>(range.Ymin) * 100) / 100 + 0.01);
    KeepFiniteOrRestore(range, before);
    KeepTopAboveBottom(range, false);
}

} // namespace plotmere
