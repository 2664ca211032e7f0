#pragma once

#include "themes/graph_colors.h"
#include "view/view_state.h"

#include <QImage>

namespace plotmere {

// Clears the image to the background and draws the unit grid (when it is on and both spans are
// below 100) and then both axes on top of it, for the given range and sample count.
void DrawEmptyGraphArea(QImage& image, const ViewRange& range, const ViewOptions& options,
                        const GraphColors& colors);

} // namespace plotmere
