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
    AStarSearch(const Level& level, const SolverLimits& searchLimits,
                SolveStrategy strategy = SolveStrategy::Fast);

    // Searches for at most about `sliceSeconds` (zero: to the end); true once finished. The
    // limits' maxSeconds counts only the time spent in here, not the time between slices.
    bool Advance(double sliceSeconds);
    bool Finished() const { return finished; }
    // Complete once Finished().
    const SolveResult& Result() const { return result; }

private:
    void Finish(SolveOutcome outcome);
    // Expands one state; false when the search has ended.
    bool ExpandNext();

    SolverLimits limits;
    bool fast;
    StateCodec codec;
    ShapePositions goals;
    MovesLeftBound movesLeft;
    StateTable table;
    SearchQueue queue;
    uint32_t start = 0;
    std::size_t maxStates;
    bool finished = false;
    SolveResult result;
};

}  // namespace qv
