#include "graph_picture.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <sstream>

namespace plotmere::e2e {

namespace {

bool Inside(const QImage& image, int column, int row) {
    return column >= 0 && row >= 0 && column < image.width() && row < image.height();
}

bool HasColorNearRow(const QImage& image, int column, int row, QRgb color) {
    for (int r = row - 1; r <= row + 1; ++r) {
        if (Inside(image, column, r) && (image.pixel(column, r) & 0xFFFFFF) == (color & 0xFFFFFF)) {
            return true;
        }
    }
    return false;
}

bool Is(const QImage& image, int column, int row, QRgb color) {
    return Inside(image, column, row) &&
           (image.pixel(column, row) & 0xFFFFFF) == (color & 0xFFFFFF);
}

int CountInColumn(const QImage& image, int column, int top, int bottom, QRgb color) {
    int count = 0;
    for (int row = top; row <= bottom; ++row) {
        count += Is(image, column, row, color) ? 1 : 0;
    }
    return count;
}

int CountInRow(const QImage& image, int row, int left, int right, QRgb color) {
    int count = 0;
    for (int column = left; column <= right; ++column) {
        count += Is(image, column, row, color) ? 1 : 0;
    }
    return count;
}

std::string Join(const QList<int>& values) {
    std::ostringstream text;
    for (int value : values) {
        text << value << ' ';
    }
    return text.str();
}

} // namespace

AreaMapping::AreaMapping(const ViewRange& range, QSize pixels, int sampleCount)
    : range_(range)
    , pixels_(pixels)
    , sampleCount_(sampleCount)
    , mapping_(DrawingUnits::ForSampleCount(sampleCount), pixels.width(), pixels.height()) {}

int AreaMapping::column(double x) const {
    return mapping_.column(static_cast<float>(XUnits(x, range_, sampleCount_)));
}

int AreaMapping::row(double y) const {
    return mapping_.row(static_cast<float>(YUnits(y, range_)));
}

int AreaMapping::dataLeft() const {
    return mapping_.column(0);
}
int AreaMapping::dataRight() const {
    return std::min(mapping_.column(static_cast<float>(sampleCount_)), pixels_.width() - 1);
}
int AreaMapping::dataTop() const {
    return mapping_.row(1000);
}
int AreaMapping::dataBottom() const {
    return std::min(mapping_.row(0), pixels_.height() - 1);
}

QList<int> AreaMapping::gridColumns() const {
    QList<int> columns;
    for (double i = std::floor(range_.Xmin); i <= std::floor(range_.Xmax); ++i) {
        const int c = column(i);
        if (i != 0 && c >= dataLeft() && c <= dataRight()) {
            columns.append(c);
        }
    }
    return columns;
}

QList<int> AreaMapping::gridRows() const {
    QList<int> rows;
    for (double j = std::floor(range_.Ymin); j <= std::floor(range_.Ymax); ++j) {
        const int r = row(j);
        if (j != 0 && r >= dataTop() && r <= dataBottom()) {
            rows.append(r);
        }
    }
    // Larger y lies higher up: top to bottom is the reverse order.
    std::sort(rows.begin(), rows.end());
    return rows;
}

std::vector<QPoint> AreaMapping::curve(const Function& f, bool strictlyInside) const {
    const double span = static_cast<double>(range_.Xmax) - range_.Xmin;
    const double rowHeight = (static_cast<double>(range_.Ymax) - range_.Ymin) / pixels_.height();
    const double low = range_.Ymin + (strictlyInside ? 2 * rowHeight : 0);
    const double high = range_.Ymax - (strictlyInside ? 2 * rowHeight : 0);
    std::vector<QPoint> points;
    for (int k = 0; k <= sampleCount_; ++k) {
        const double x = range_.Xmin + static_cast<double>(k) / sampleCount_ * span;
        const double y = f(x);
        if (!(y >= low && y <= high)) {
            continue;
        }
        const QPoint point(mapping_.column(static_cast<float>(k)), row(y));
        if (point.x() >= 0 && point.y() >= 0 && point.x() < pixels_.width() &&
            point.y() < pixels_.height() && (points.empty() || points.back() != point)) {
            points.push_back(point);
        }
    }
    return points;
}

int CountColor(const QImage& image, QRgb color) {
    int count = 0;
    for (int row = 0; row < image.height(); ++row) {
        for (int column = 0; column < image.width(); ++column) {
            count += Is(image, column, row, color) ? 1 : 0;
        }
    }
    return count;
}

::testing::AssertionResult ShowsCurve(const QImage& area, const AreaMapping& mapping,
                                      const Function& f, QRgb color, double minimumShare) {
    if (area.size() != mapping.pixels()) {
        return ::testing::AssertionFailure() << "area size differs from the mapping's";
    }
    const std::vector<QPoint> points = mapping.curve(f, true);
    if (points.size() < 50) {
        return ::testing::AssertionFailure() << "the curve hardly enters the range";
    }
    std::vector<QPoint> missing;
    for (const QPoint& point : points) {
        if (!HasColorNearRow(area, point.x(), point.y(), color)) {
            missing.push_back(point);
        }
    }
    const double share = 1.0 - static_cast<double>(missing.size()) / points.size();
    if (share < minimumShare) {
        auto failure = ::testing::AssertionFailure();
        failure << missing.size() << " of " << points.size() << " curve pixels lack colour "
                << std::hex << (color & 0xFFFFFF) << std::dec << ", first at";
        for (std::size_t i = 0; i < std::min<std::size_t>(missing.size(), 5); ++i) {
            failure << " (" << missing[i].x() << "," << missing[i].y() << ")=" << std::hex
                    << (area.pixel(missing[i]) & 0xFFFFFF) << std::dec;
        }
        return failure;
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult OnlyCurvesInColor(const QImage& area, const AreaMapping& mapping,
                                             const std::vector<Function>& curves, QRgb color) {
    std::set<std::pair<int, int>> allowed;
    for (const Function& f : curves) {
        for (const QPoint& point : mapping.curve(f, false)) {
            for (int r = point.y() - 1; r <= point.y() + 1; ++r) {
                allowed.insert({point.x(), r});
            }
        }
    }
    std::vector<QPoint> strays;
    for (int row = 0; row < area.height(); ++row) {
        for (int column = 0; column < area.width(); ++column) {
            if (Is(area, column, row, color) && !allowed.contains({column, row})) {
                strays.emplace_back(column, row);
            }
        }
    }
    if (!strays.empty()) {
        auto failure = ::testing::AssertionFailure();
        failure << strays.size() << " pixels of colour " << std::hex << (color & 0xFFFFFF)
                << std::dec << " off the expected curves, first at";
        for (std::size_t i = 0; i < std::min<std::size_t>(strays.size(), 5); ++i) {
            failure << " (" << strays[i].x() << "," << strays[i].y() << ")";
        }
        return failure;
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult ShowsCrispAxes(const QImage& area, const AreaMapping& mapping,
                                          QRgb axisColor) {
    const int top = mapping.dataTop();
    const int bottom = mapping.dataBottom();
    const int left = mapping.dataLeft();
    const int right = mapping.dataRight();
    const int yAxis = mapping.column(0);
    const int xAxis = mapping.row(0);
    const int height = bottom - top + 1;
    const int width = right - left + 1;
    // Graphs cross the axes and cover a few of their pixels.
    const int onYAxis = CountInColumn(area, yAxis, top, bottom, axisColor);
    if (onYAxis < height * 9 / 10) {
        return ::testing::AssertionFailure() << "y axis at column " << yAxis << ": only " << onYAxis
                                             << " of " << height << " pixels";
    }
    const int onXAxis = CountInRow(area, xAxis, left, right, axisColor);
    if (onXAxis < width * 9 / 10) {
        return ::testing::AssertionFailure()
               << "x axis at row " << xAxis << ": only " << onXAxis << " of " << width << " pixels";
    }
    // Beside each axis only the crossing with the other axis has the axis colour.
    for (int beside : {yAxis - 1, yAxis + 1}) {
        const int count = CountInColumn(area, beside, 0, area.height() - 1, axisColor);
        if (count > 1) {
            return ::testing::AssertionFailure()
                   << "column " << beside << " beside the y axis has " << count << " axis pixels";
        }
    }
    for (int beside : {xAxis - 1, xAxis + 1}) {
        const int count = CountInRow(area, beside, 0, area.width() - 1, axisColor);
        if (count > 1) {
            return ::testing::AssertionFailure()
                   << "row " << beside << " beside the x axis has " << count << " axis pixels";
        }
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult ShowsGridExactly(const QImage& area, const AreaMapping& mapping,
                                            QRgb gridColor) {
    const int top = mapping.dataTop();
    const int bottom = mapping.dataBottom();
    const int left = mapping.dataLeft();
    const int right = mapping.dataRight();
    // A line counts where most of its length shows the grid colour; axes and graphs cross it.
    QList<int> columns;
    for (int column = 0; column < area.width(); ++column) {
        if (CountInColumn(area, column, top, bottom, gridColor) * 2 > bottom - top + 1) {
            columns.append(column);
        }
    }
    QList<int> rows;
    for (int row = 0; row < area.height(); ++row) {
        if (CountInRow(area, row, left, right, gridColor) * 2 > right - left + 1) {
            rows.append(row);
        }
    }
    if (columns != mapping.gridColumns() || rows != mapping.gridRows()) {
        return ::testing::AssertionFailure() << "grid columns on screen: " << Join(columns)
                                             << "expected: " << Join(mapping.gridColumns())
                                             << "; grid rows on screen: " << Join(rows)
                                             << "expected: " << Join(mapping.gridRows());
    }
    return ::testing::AssertionSuccess();
}

} // namespace plotmere::e2e
