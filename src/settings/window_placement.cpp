#include "settings/window_placement.h"

#include <algorithm>
#include <cstdint>

namespace plotmere {

namespace {

// The first coordinate that puts a span of `length` inside [low, low + room), as near to
// `wanted` as possible; a span longer than the room starts at its beginning.
int NearestInside(int wanted, int length, int low, int room) {
    const std::int64_t last = std::int64_t{low} + room - length;
    return static_cast<int>(
        std::clamp<std::int64_t>(wanted, low, std::max<std::int64_t>(low, last)));
}

std::int64_t OverlapArea(const QRect& a, const QRect& b) {
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : std::int64_t{common.width()} * common.height();
}

} // namespace

QRect PlaceWithin(const QRect& window, const QRect& available) {
    if (available.isEmpty() || available.contains(window)) {
        return window;
    }
    const QSize size = window.size().boundedTo(available.size());
    return QRect(NearestInside(window.left(), size.width(), available.left(), available.width()),
                 NearestInside(window.top(), size.height(), available.top(), available.height()),
                 size.width(), size.height());
}

QRect KeepOnScreen(const QRect& outer, const QList<QRect>& screens, const QSize& minimum) {
    const QRect sized(outer.topLeft(), outer.size().expandedTo(minimum));
    if (screens.isEmpty()) {
        return sized;
    }
    for (const QRect& screen : screens) {
        if (screen.contains(sized)) {
            return sized;
        }
    }
    const auto most =
        std::max_element(screens.begin(), screens.end(), [&](const QRect& a, const QRect& b) {
            return OverlapArea(a, sized) < OverlapArea(b, sized);
        });
    const QRect& screen = OverlapArea(*most, sized) > 0 ? *most : screens.front();
    return PlaceWithin(sized, screen);
}

} // namespace plotmere
