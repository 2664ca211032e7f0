#pragma once

#include "view/view_state.h"

namespace plotmere {

// The four values of the view range, each with its own label and order rule.
enum class RangeField { Xmin, Xmax, Ymin, Ymax };

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
