#pragma once

#include <QList>
#include <QRect>
#include <QSize>

namespace plotmere {

// A stored window placement (outer frame, pixels) made usable on the screens at hand: no
// smaller than the minimum, no larger than the screens together, and moved onto the screen
// when not enough of it would be visible to grab it. Stored placements come from an earlier
// run, possibly on other screens, or from a hand-edited store.
QRect KeepOnScreen(const QRect& outer, const QList<QRect>& screens, const QSize& minimum,
                   const QPoint& fallbackTopLeft);

} // namespace plotmere
