#pragma once

#include "view/view_state.h"

namespace plotmere {

// Rounds to a quarter after cutting to hundredths: fraction up to .1 down, below .4 to .25,
// .4 to .6 to .5, below .9 to .75, else up. Thresholds compare as single-precision values.
float RoundToQuarter(float value);

// Natural aspect ratio for a graph area whose height is `ratio` times its width: one unit of x
// and one of y get about the same length. The bottom stays and the top moves, except for a
// range symmetric about 0, which stays roughly symmetric. The result is cut to hundredths.
void ApplyAspect(ViewRange& range, double ratio);

// The same, keeping the top and moving the bottom.
void ApplyAspectFromTop(ViewRange& range, double ratio);

} // namespace plotmere
