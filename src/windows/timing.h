#pragma once

namespace plotmere {

// The wall-clock length of every wait the program makes. The program runs with these defaults.
// Widget tests pass their own values so that no timer fires on its own; they deliver the ticks
// themselves and never sleep. Only the length of a tick changes, never what a tick counts for:
// the replot still comes on the fifth resize tick, and each message tick still counts as
// `messageTickMs` of the defaults, whatever its interval.
struct Timing {
    int resizeTickMs = 200;  // the replot after a size change runs on the fifth tick
    int messageTickMs = 500; // the message window counts its display time in these ticks
    int splashMs = 1000;     // the splash before the main window and before About
};

} // namespace plotmere
