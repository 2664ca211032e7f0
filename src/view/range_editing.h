#pragma once

#include "view/view_state.h"

#include <QString>

#include <string_view>

namespace plotmere {

// The four values of the view range, each with its own label and order rule.
enum class RangeField { Xmin, Xmax, Ymin, Ymax };

// Shown when a typed range value lies outside -99999 ... 99999.
inline constexpr std::string_view RangeLimitMessage = "Out of allowed range [-99999 to 99999].";

// What a typed range value amounts to.
struct RangeAnswer {
    enum class Outcome {
        Ignored,    // empty (cancelled) or not in canonical form: nothing changes, no message
        OutOfRange, // show RangeLimitMessage, nothing changes
        Accepted,   // store `value`
    };
    Outcome outcome = Outcome::Ignored;
    float value = 0;
};

// Reads the answer of a range prompt: a leading "0." loses its "0" and a leading "-0." becomes
// "-."; then only the exact canonical text of a number counts, and it must lie in
// -99999 ... 99999 (the bottom tested on the double, the top on the single-precision value).
RangeAnswer ReadRangeAnswer(const QString& answer);

// Stores an accepted value in its field and restores the order of the range by moving the
// partner one unit away when needed. The partner is not limited, so it may reach +-100000.
void StoreRangeValue(ViewRange& range, RangeField field, float value);

// With the natural aspect ratio on, an edit of Ymax keeps the top (ApplyAspectFromTop); an
// edit of any other field keeps the bottom (ApplyAspect).
bool AspectKeepsTopAfterEditing(RangeField field);

// Halves (zoomIn) or doubles the x span about its centre, the result rounded to quarters; with
// keepAspect the y span likewise, unguarded, rounded after x. Zoom in needs an x span of at
// least 2 and zoom out one of at most 10000. Returns false, leaving the range as it was, when
// the click is to be ignored: beyond those limits, or when the range cannot be zoomed sensibly
// (an end not finite, an axis not in increasing order, or a result whose rounding would leave
// an axis empty). After a true result the caller applies the aspect ratio when keepAspect is on.
bool ZoomX(ViewRange& range, bool zoomIn, bool keepAspect);

// The same along y: the y span is guarded and zoomed, the x span follows with keepAspect, and
// y is rounded before x.
bool ZoomY(ViewRange& range, bool zoomIn, bool keepAspect);

} // namespace plotmere
