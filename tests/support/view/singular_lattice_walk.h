#pragma once

#include "view/singular_lattice.h"
#include "view/view_state.h"

namespace plotmere {

// The four walks of the singular-point search in their order, one value at a time: what the
// plotter's stretches must repeat exactly.
template <typename Test> void WalkSingularLattice(const ViewRange& range, Test&& test) {
    for (const double step : LatticeSteps) {
        WalkLattice(step, range, test);
    }
}

} // namespace plotmere
