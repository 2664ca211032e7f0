#pragma once

#include <QList>
#include <QRect>
#include <QSize>

namespace plotmere {

// The window placement as the store holds it: the outer frame in twips. Kept as four numbers,
// not a QRect, since a hand-edited store may hold values whose sums overflow.
struct StoredPlacement {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// A window (outer frame, pixels) moved into `available`, the usable area of one screen: left
// exactly where it is when it already lies wholly inside; otherwise first shrunk to the area's
// size where it is larger, then moved the least distance that puts it wholly inside. Every
// window the program places itself goes through this, so none ends up where the user cannot
// see or grab it.
QRect PlaceWithin(const QRect& window, const QRect& available);

// A stored window placement (outer frame, pixels) made usable on the screens at hand (their
// available areas): never smaller than the minimum, applied exactly as stored when it lies
// wholly inside one screen, and otherwise fitted into the screen it overlaps most (the first
// screen when it overlaps none), never below the minimum unless that screen itself is smaller.
// Stored placements come from an earlier run, possibly on other screens, or from a hand-edited
// store.
QRect KeepOnScreen(const QRect& outer, const QList<QRect>& screens, const QSize& minimum);

} // namespace plotmere
