#include "view/range_editing.h"

#include "engine/number_text.h"
#include "view/natural_ratio.h"

#include <cmath>
#include <string>

namespace plotmere {

namespace {

constexpr double ShortestSpanToHalve = 2;
constexpr double LongestSpanToDouble = 10000;

float OneAbove(float value) {
    return static_cast<float>(static_cast<double>(value) + 1);
}

float OneBelow(float value) {
    return static_cast<float>(static_cast<double>(value) - 1);
}

// Finite ends in increasing order. Only a hand-edited setting or the rounding of a tiny span
// gives anything else; zooming such an axis would only spread NaN or keep it broken, and a
// NaN span would slip through both span limits, since every comparison with NaN is false.
bool IsZoomable(float low, float high) {
    return std::isfinite(low) && std::isfinite(high) && low < high;
}

bool SpanAllowsZoom(double span, bool zoomIn) {
    return zoomIn ? span >= ShortestSpanToHalve : span <= LongestSpanToDouble;
}

// Halves or doubles the span about its centre, in double precision.
void ScaleSpan(float& low, float& high, bool zoomIn) {
    const double centre = (static_cast<double>(high) + low) / 2;
    const double span = static_cast<double>(high) - low;
    const double newSpan = zoomIn ? span / 2 : span * 2;
    low = static_cast<float>(centre - newSpan / 2);
    high = static_cast<float>(centre + newSpan / 2);
}

void RoundEndsToQuarters(float& low, float& high) {
    low = RoundToQuarter(low);
    high = RoundToQuarter(high);
}

// Zooms the guarded axis and, with keepAspect, the other one without a guard. The result is
// built on copies and kept only when both axes come out zoomable: the unguarded axis can have
// a span so small that its two ends round to the same quarter, and an empty range cannot be
// drawn.
bool Zoom(float& low, float& high, float& otherLow, float& otherHigh, bool zoomIn,
          bool keepAspect) {
    if (!IsZoomable(low, high) || !SpanAllowsZoom(static_cast<double>(high) - low, zoomIn)) {
        return false;
    }
    if (keepAspect && !IsZoomable(otherLow, otherHigh)) {
        return false;
    }
    float newLow = low;
    float newHigh = high;
    float newOtherLow = otherLow;
    float newOtherHigh = otherHigh;
    ScaleSpan(newLow, newHigh, zoomIn);
    if (keepAspect) {
        ScaleSpan(newOtherLow, newOtherHigh, zoomIn);
    }
    RoundEndsToQuarters(newLow, newHigh);
    if (keepAspect) {
        RoundEndsToQuarters(newOtherLow, newOtherHigh);
    }
    if (!IsZoomable(newLow, newHigh) || (keepAspect && !IsZoomable(newOtherLow, newOtherHigh))) {
        return false;
    }
    low = newLow;
    high = newHigh;
    otherLow = newOtherLow;
    otherHigh = newOtherHigh;
    return true;
}

} // namespace

// The edited end stays; a partner that is not strictly beyond it moves one unit past it.
// "Not beyond" rather than "at or before", so that a NaN partner, which fails every
// comparison, is replaced as well and the range is whole again.
void StoreRangeValue(ViewRange& range, RangeField field, float value) {
    switch (field) {
    case RangeField::Xmin:
        range.Xmin = value;
        if (!(value < range.Xmax)) {
            range.Xmax = OneAbove(value);
        }
        break;
    case RangeField::Xmax:
        range.Xmax = value;
        if (!(value > range.Xmin)) {
            range.Xmin = OneBelow(value);
        }
        break;
    case RangeField::Ymin:
        range.Ymin = value;
        if (!(value < range.Ymax)) {
            range.Ymax = OneAbove(value);
        }
        break;
    case RangeField::Ymax:
        range.Ymax = value;
        if (!(value > range.Ymin)) {
            range.Ymin = OneBelow(value);
        }
        break;
    }
}

bool AspectKeepsTopAfterEditing(RangeField field) {
    return field == RangeField::Ymax;
}

bool ZoomX(ViewRange& range, bool zoomIn, bool keepAspect) {
    return Zoom(range.Xmin, range.Xmax, range.Ymin, range.Ymax, zoomIn, keepAspect);
}

bool ZoomY(ViewRange& range, bool zoomIn, bool keepAspect) {
    return Zoom(range.Ymin, range.Ymax, range.Xmin, range.Xmax, zoomIn, keepAspect);
}

} // namespace plotmere
