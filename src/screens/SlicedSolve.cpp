#include "screens/SlicedSolve.h"

namespace qv {

void SlicedSolve::Start(const Level& level, const SolverLimits& limits) {
    search.reset();  // its memory first: a search may hold tens of megabytes
    search = std::make_unique<SolveSearch>(level, limits);
}

bool SlicedSolve::Step() {
    if (!search || !search->Advance(kSliceSeconds)) return false;
    result = search->Result();
    search.reset();
    return true;
}

}  // namespace qv
