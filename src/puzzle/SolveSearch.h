#pragma once
// One shortest-solution search that can be run a slice at a time, so a screen can keep drawing
// and taking input while it thinks. SolveLevel runs one to the end in a single call.
#include <array>
#include <cstdint>

#include "puzzle/Level.h"
#include "puzzle/MovesLeftBound.h"
#include "puzzle/SearchQueue.h"
#include "puzzle/Solver.h"
#include "puzzle/StateCodec.h"
#include "puzzle/StateTable.h"

namespace qv {

class SolveSearch {
public:
    // Copies what it needs from `level`: the level may change or go away afterwards.
    SolveSearch(const Level& level, const SolverLimits& limits,
                SolveStrategy strategy = SolveStrategy::Fast);

    // Searches for at most about `sliceSeconds` (zero: to the end); true once finished. The
    // limits' maxSeconds counts only the time spent in here, not the time between slices.
    bool Advance(double sliceSeconds);
    bool Finished() const { return finished_; }
    // Complete once Finished().
    const SolveResult& Result() const { return result_; }

private:
    struct Successor {
        PackedState state;
        TilePos to;          // where the moving shape arrives
        TileColor mixed;     // the colour it leaves there
        uint8_t move;        // shape * 4 + direction
    };
    using Successors = std::array<Successor, kShapeCount * 4>;

    void Finish(SolveOutcome outcome);
    int MakeSuccessors(const PackedState& state, const ShapePositions& shapes,
                       Successors& successors) const;
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

// Runs a search to its end in one call.
SolveResult SolveLevel(const Level& level, const SolverLimits& limits = {},
                       SolveStrategy strategy = SolveStrategy::Fast);

}  // namespace qv
