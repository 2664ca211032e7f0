#pragma once

#include "support/main_window_state.h"

#include "support/stepped_timing.h"
#include "view/drawing_units.h"
#include "view/graph_area.h"
#include "view/graph_canvas.h"
#include "widgets/color_value.h"
#include "windows/main_window.h"

#include <QImage>
#include <QPixmap>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

namespace plotmere::testing_support {

// How many pixels of the picture have the colour.
inline int CountPixels(const QImage& image, ColorValue color) {
    const QRgb wanted = ToPixel(color);
    int count = 0;
    for (int row = 0; row < image.height(); ++row) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(row));
        for (int column = 0; column < image.width(); ++column) {
            count += line[column] == wanted ? 1 : 0;
        }
    }
    return count;
}

inline bool PixelIs(const QImage& image, int column, int row, ColorValue color) {
    return image.pixel(column, row) == ToPixel(color);
}

// The colour a widget actually paints in its middle.
inline ColorValue ShownBackground(QWidget* widget) {
    const QImage shot = widget->grab().toImage();
    return FromQColor(QColor(shot.pixel(shot.width() / 2, shot.height() / 2)));
}

// Lets one second of program time pass (five ticks of the resize timer): the replot that every
// layout arms has run then, and later redraws can be counted.
inline void RunDelayedReplot(const MainWindow& window) {
    auto* resizetimer = window.findChild<QTimer*>("resizetimer");
    Tick(resizetimer, 5);
    EXPECT_FALSE(resizetimer->isActive()) << "the delayed replot did not run";
}

// Where the drawing of `window`'s graph area puts the point (x, y), in pixels of its image.
inline QPoint PixelOf(const MainWindow& window, double x, double y) {
    const std::int32_t n = UsableSampleCount(ViewOf(window).options().sampleCount);
    const QImage& image = window.findChild<GraphCanvas*>("grafik")->image();
    const PixelMapping map(DrawingUnits::ForSampleCount(n), image.width(), image.height());
    return QPoint(map.column(static_cast<float>(XUnits(x, ViewOf(window).range(), n))),
                  map.row(static_cast<float>(YUnits(y, ViewOf(window).range()))));
}

// The empty graph area as the window's range, options and colours draw it now.
inline QImage EmptyAreaFor(const MainWindow& window) {
    QImage expected(window.findChild<GraphCanvas*>("grafik")->image().size(), QImage::Format_RGB32);
    DrawEmptyGraphArea(expected, ViewOf(window).range(), ViewOf(window).options(),
                       ViewOf(window).colors());
    return expected;
}

// True when the window's picture is its empty graph area, pixel for pixel.
inline bool ShowsEmptyArea(const MainWindow& window) {
    QImage shown = window.findChild<GraphCanvas*>("grafik")->image();
    shown.setDevicePixelRatio(1);
    return shown == EmptyAreaFor(window);
}

} // namespace plotmere::testing_support
