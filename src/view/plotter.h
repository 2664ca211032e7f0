#pragma once

#include "engine/evaluator.h"
#include "view/plot_workers.h"
#include "view/view_state.h"
#include "widgets/color_value.h"

#include <QImage>

#include <cstdint>
#include <string_view>

namespace plotmere {

// The x of sample k of n: (k / n) * (Xmax - Xmin) + Xmin in double precision, k / n first, so
// that sample 0 is Xmin, sample n is Xmax and no rounding accumulates from sample to sample.
inline double SampleX(std::int32_t k, std::int32_t n, const ViewRange& range) {
    return (static_cast<double>(k) / n) * (static_cast<double>(range.Xmax) - range.Xmin) +
           range.Xmin;
}

// Draws one graph over what the image already shows, in the drawing units of the usable sample
// count N: sample k of 0 ... N becomes a point at (k, Y(y)) in graphColor when Ymin <= y <= Ymax,
// and a mark (dots on the bottom and top edges) in outOfRangeColor when y is undefined (1e9 or
// NaN); other values are dropped. With lookForSingular on, the singular points follow. The
// image is the graph canvas's 32-bit raster; an image of another depth is left untouched.
//
// The samples are evaluated on all of the workers' threads while the calling thread draws them
// in sample order; the picture is bit for bit the same for every number of threads, one (the
// calling thread alone) included.
void PlotGraph(QImage& image, std::string_view postfixText, ColorValue graphColor,
               ColorValue outOfRangeColor, const ViewRange& range, const ViewOptions& options,
               PlotWorkers& workers);
void PlotGraph(QImage& image, const TokenList& tokens, ColorValue graphColor,
               ColorValue outOfRangeColor, const ViewRange& range, const ViewOptions& options,
               PlotWorkers& workers);

// Marks, in outOfRangeColor, every x of the singular lattice (singular_lattice.h) inside the
// x range at which |y| >= 1e9; NaN is not singular. The lattice values are evaluated on all of
// the workers' threads.
void MarkSingularPoints(QImage& image, const TokenList& tokens, ColorValue outOfRangeColor,
                        const ViewRange& range, const ViewOptions& options, PlotWorkers& workers);

} // namespace plotmere
