#include "settings/window_placement.h"

#include <algorithm>

namespace plotmere {

namespace {

// How much of the window must lie on some screen for the user to reach it.
constexpr int MinimumVisible = 48;

bool Reachable(const QRect& outer, const QList<QRect>& screens) {
    return std::any_of(screens.begin(), screens.end(), [&](const QRect& screen) {
        const QRect visible = outer.intersected(screen);
        return visible.width() >= std::min(MinimumVisible, outer.width()) &&
               visible.height() >= std::min(MinimumVisible, outer.height());
    });
}

} // namespace

QRect KeepOnScreen(const QRect& outer, const QList<QRect>& screens, const QSize& minimum,
                   const QPoint& fallbackTopLeft) {
    if (screens.isEmpty()) {
        return QRect(outer.topLeft(), outer.size().expandedTo(minimum));
    }
    QRect desktop;
    for (const QRect& screen : screens) {
        desktop = desktop.united(screen);
    }
    const QSize size = outer.size().boundedTo(desktop.size()).expandedTo(minimum);
    QRect placed(outer.topLeft(), size);
    if (Reachable(placed, screens)) {
        return placed;
    }
    placed.moveTopLeft(fallbackTopLeft);
    if (Reachable(placed, screens)) {
        return placed;
    }
    placed.moveTopLeft(screens.front().topLeft());
    return placed;
}

} // namespace plotmere
