#pragma once

#include "view/drawing_units.h"
#include "view/view_state.h"

#include <QImage>
#include <QList>
#include <QPoint>
#include <QSize>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace plotmere::e2e {

using Function = std::function<double(double)>;

// Where things must lie on a graph area of the given pixel size: the plane's range mapped onto
// the drawing units (0 ... N by 0 ... 1000 inside the margins) and those onto the pixels.
class AreaMapping {
public:
    AreaMapping(const ViewRange& range, QSize pixels, int sampleCount = 10000);

    int column(double x) const;
    int row(double y) const;
    // The data rectangle: the x range's ends and the y range's ends, in pixels.
    int dataLeft() const;
    int dataRight() const;
    int dataTop() const;
    int dataBottom() const;

    // Columns of the vertical grid lines and rows of the horizontal ones (integers of the range,
    // 0 excluded since the axis covers it), as far as they fall inside the data rectangle.
    QList<int> gridColumns() const;
    QList<int> gridRows() const;

    // Pixels of the samples of f that fall inside the y range.
    // strictlyInside leaves out samples within two rows of the range's ends, whose drawing
    // depends on the last bit of the computed value.
    std::vector<QPoint> curve(const Function& f, bool strictlyInside) const;

    const ViewRange& range() const { return range_; }
    QSize pixels() const { return pixels_; }

private:
    ViewRange range_;
    QSize pixels_;
    int sampleCount_;
    PixelMapping mapping_;
};

int CountColor(const QImage& image, QRgb color);

// Every sample of f inside the y range is drawn in the colour (at its row, give or take one);
// minimumShare < 1 tolerates crossings with graphs drawn later in other colours.
::testing::AssertionResult ShowsCurve(const QImage& area, const AreaMapping& mapping,
                                      const Function& f, QRgb color, double minimumShare = 1.0);

// No pixel of the colour lies off the given curves.
::testing::AssertionResult OnlyCurvesInColor(const QImage& area, const AreaMapping& mapping,
                                             const std::vector<Function>& curves, QRgb color);

// Both axes drawn in full, each exactly one pixel wide.
::testing::AssertionResult ShowsCrispAxes(const QImage& area, const AreaMapping& mapping,
                                          QRgb axisColor);

// Grid lines at exactly the columns and rows of the integers of the range, and nowhere else.
::testing::AssertionResult ShowsGridExactly(const QImage& area, const AreaMapping& mapping,
                                            QRgb gridColor);

} // namespace plotmere::e2e
