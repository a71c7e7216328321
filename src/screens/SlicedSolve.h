#pragma once
// A search a screen runs one short slice per pass of the main loop, so that it goes on drawing
// and taking input while the solver thinks (a hint, the editor's check, a par).
#include <memory>

#include "puzzle/Level.h"
#include "puzzle/SolveSearch.h"
#include "puzzle/Solver.h"

namespace qv {

class SlicedSolve {
public:
    // Searching time per pass: with the frame's own drawing, and the odd longer step of a
    // growing search, well under the 50 ms after which a screen feels stuck.
    static constexpr double kSliceSeconds = 0.010;

    // Starts afresh on a copy of `level`, dropping any search still running.
    void Start(const Level& level, const SolverLimits& limits = kHintLimits);
    void Cancel() { search.reset(); }
    bool Running() const { return search != nullptr; }
    // Searches for one slice; true when that ended the search, whose Result() is then ready
    // and which no longer runs.
    bool Step();
    const SolveResult& Result() const { return result; }

private:
    std::unique_ptr<SolveSearch> search;
    SolveResult result;
};

}  // namespace qv
