#include "screens/SlicedSolve.h"

namespace qv {

void SlicedSolve::Start(const Level& level, const SolverLimits& limits) {
    search_.reset();  // its memory first: a search may hold tens of megabytes
    search_ = std::make_unique<SolveSearch>(level, limits);
}

bool SlicedSolve::Step() {
    if (!search_ || !search_->Advance(kSliceSeconds)) return false;
    result_ = search_->Result();
    search_.reset();
    return true;
}

}  // namespace qv
