#pragma once
// One shortest-solution search, A* over packed states, that can be run a slice at a time.
// SolveSearch runs it first, and goes on to look for any way home when it runs out of limits.
#include <array>
#include <cstdint>

#include "puzzle/Level.h"
#include "puzzle/MovesLeftBound.h"
#include "puzzle/SearchQueue.h"
#include "puzzle/Solver.h"
#include "puzzle/StateCodec.h"
#include "puzzle/StateTable.h"

namespace qv {

class AStarSearch {
public:
    // Copies what it needs from `level`: the level may change or go away afterwards.
    AStarSearch(const Level& level, const SolverLimits& limits,
                SolveStrategy strategy = SolveStrategy::Fast);

    // Searches for at most about `sliceSeconds` (zero: to the end); true once finished. The
    // limits' maxSeconds counts only the time spent in here, not the time between slices.
    bool Advance(double sliceSeconds);
    bool Finished() const { return finished_; }
    // Complete once Finished().
    const SolveResult& Result() const { return result_; }

private:
    void Finish(SolveOutcome outcome);
    // Expands one state; false when the search has ended.
    bool ExpandNext();

    SolverLimits limits_;
    bool fast_;
    StateCodec codec_;
    ShapePositions goals_;
    MovesLeftBound movesLeft_;
    StateTable table_;
    SearchQueue queue_;
    uint32_t start_ = 0;
    std::size_t maxStates_;
    bool finished_ = false;
    SolveResult result_;
};

}  // namespace qv
