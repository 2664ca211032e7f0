#pragma once

#include "view/view_state.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace plotmere {

// The singular-point search evaluates the multiples of pi/8 and the integers, where the regular
// samples tend to step over poles. Pi is the same 15-digit constant the compiler substitutes.
inline constexpr double EighthOfPi = 3.14159265358979 / 8;

// A hand-edited range end such as 1e30 would keep a walk going practically forever, and a huge
// range would have it test millions of values that all fall into one pixel column. So a walk
// stops after this many steps: that carries x beyond 589000 with the step pi/8 and to 1.5e6
// with the step 1, past any range the range editing can produce (a few 100000), and keeps |x|
// small enough that every addition still moves x. The worst case, four full walks, costs about
// six million evaluations.
inline constexpr std::int64_t MaxWalkSteps = 1'500'000;

// One walk of the search: x starts at 0 and moves by repeated addition of `step` (rounding
// accumulates, as the lattice is defined that way), running while it has not passed the far end
// of the x range in its direction (Xmax upwards, Xmin downwards) and handing to `test` only the
// values that have reached the near end (Xmin upwards, Xmax downwards). A NaN end stops or
// silences the walk.
template <typename Test> void WalkLattice(double step, const ViewRange& range, Test&& test) {
    const bool upwards = step > 0;
    const double farEnd = upwards ? range.Xmax : range.Xmin;
    const double nearEnd = upwards ? range.Xmin : range.Xmax;
    double x = 0;
    for (std::int64_t steps = 0; steps <= MaxWalkSteps; ++steps) {
        const bool beforeFarEnd = upwards ? x <= farEnd : x >= farEnd;
        if (!beforeFarEnd) {
            return;
        }
        const bool pastNearEnd = upwards ? x >= nearEnd : x <= nearEnd;
        if (pastNearEnd) {
            test(x);
        }
        x += step;
    }
}

// The steps of the four walks in their order: pi/8 up, pi/8 down, 1 up, 1 down.
inline constexpr std::array<double, 4> LatticeSteps = {EighthOfPi, -EighthOfPi, 1.0, -1.0};

// `count` tested values of one walk: first, first + step, (first + step) + step, ... Repeating
// the walk's own additions gives the very same doubles, so a stretch can be evaluated on its
// own, away from the walk and from the other stretches.
struct LatticeStretch {
    double first;
    double step;
    std::size_t count;
};

// What the four walks test, in their order, cut into stretches of at most maxCount values
// (at least one). Walking costs a few additions per value, evaluating far more, so the walk
// runs here once and the evaluation can be shared out.
inline std::vector<LatticeStretch> LatticeStretches(const ViewRange& range, std::size_t maxCount) {
    std::vector<LatticeStretch> stretches;
    for (const double step : LatticeSteps) {
        bool continues = false; // the last stretch is this walk's and x follows on from it
        double next = 0;
        WalkLattice(step, range, [&](double x) {
            if (!continues || x != next || stretches.back().count >= maxCount) {
                stretches.push_back({x, step, 0});
            }
            ++stretches.back().count;
            next = x + step;
            continues = true;
        });
    }
    return stretches;
}

} // namespace plotmere
