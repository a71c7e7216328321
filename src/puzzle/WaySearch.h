#pragma once
// A search for some way home, not the shortest, for levels whose shortest solution lies
// beyond the limits: greedy on the estimate of the moves left, and first of all on positions
// that bring something new among the positions of the same estimate: a shape on a tile or a
// tile in a colour not seen before, and after those, such a pair of a shape's tile and any
// shape's tile or tile colour. The estimate is flat over wide stretches of these puzzles; what
// is new leads out of them, where the estimate alone would wander around inside. All of it
// depends on the level and the limits alone: with no seconds limit the way is the same on
// every machine.
#include <cstdint>
#include <vector>

#include "puzzle/Level.h"
#include "puzzle/MovesLeftBound.h"
#include "puzzle/SearchQueue.h"
#include "puzzle/Solver.h"
#include "puzzle/StateCodec.h"
#include "puzzle/StateTable.h"

namespace qv {

class WaySearch {
public:
    // Copies what it needs from `level`. Only the limits' maxStates, maxSeconds and maxMoves
    // count.
    // Among positions alike in what they bring and their estimate, the deepest first heads
    // for home fastest; the shallowest first finds ways that wander less.
    enum class Order { DeepestFirst, ShallowestFirst };

    WaySearch(const Level& level, const SolverLimits& searchLimits,
              Order order = Order::DeepestFirst);

    // Searches for at most about `sliceSeconds` (zero: to the end); true once finished.
    bool Advance(double sliceSeconds);
    // Complete once Advance has returned true: Way, Unsolvable when every position within
    // maxMoves has been seen, or Undecided.
    const SolveResult& Result() const { return result; }

private:
    void Queue(uint32_t id, int priority, int depth);
    void Finish(SolveOutcome outcome);
    bool ExpandNext();
    // 1 when `state`, of estimate `estimate`, holds a shape's tile or a tile's colour that no
    // stored position of that estimate held, 2 when it holds such a pair, else 3; marks them
    // all seen.
    int Novel(const PackedState& state, int estimate);

    SolverLimits limits;
    bool shallowFirst;
    StateCodec codec;
    ShapePositions goals;
    MovesLeftBound movesLeft;
    StateTable table;
    SearchQueue queue;
    int cellCount = 0;
    // By estimate: one bit per shape on a cell and per cell in a colour, then one per pair of
    // a shape on a cell with any of those.
    std::vector<std::vector<uint64_t>> seen;
    uint32_t start = 0;
    std::size_t maxStates;
    bool finished = false;
    SolveResult result;
};

}  // namespace qv
