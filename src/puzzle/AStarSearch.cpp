#include "puzzle/AStarSearch.h"

#include <algorithm>
#include <climits>
#include <utility>
#include <vector>

#include "puzzle/SearchSlice.h"
#include "puzzle/StateSteps.h"

namespace qv {

namespace {

// Depths are stored in 10 bits; a search that would need more stops undecided.
constexpr int kMaxDepth = StateTable::Link::kMaxDepth;
// Estimates are stored in 8 bits; a smaller one is still a bound.
constexpr int kMaxEstimate = StateTable::Link::kMaxEstimate;
constexpr std::size_t kMaxIds = StateTable::kCapacity;

// The most states the limits allow, or 0 for no limit but the table's own.
std::size_t StatesLimit(const SolverLimits& limits) {
    return limits.maxStates > 0 ? std::min(limits.maxStates, kMaxIds) : 0;
}

}  // namespace

AStarSearch::AStarSearch(const Level& level, const SolverLimits& searchLimits,
                         SolveStrategy strategy)
    : limits(searchLimits),
      fast(strategy == SolveStrategy::Fast),
      codec(level),
      goals{level.circleGoal, level.starGoal, level.triangleGoal},
      movesLeft(codec, goals, strategy),
      table(codec.Bytes(), StatesLimit(searchLimits)),
      maxStates(StatesLimit(searchLimits) > 0 ? StatesLimit(searchLimits) : kMaxIds) {
    const ShapePositions starts = level.ShapePositions();
    if (starts == goals) {
        Finish(SolveOutcome::Solved);
        result.statesExplored = 1;
        return;
    }
    // A goal that a shape, or a shape it waits for, can never reach settles the matter
    // without a search.
    const int estimate = movesLeft.Estimate(codec.HoldingMasks(codec.Initial()), starts);
    if (estimate == MovesLeftBound::kUnreachable ||
        (limits.maxMoves > 0 && estimate > limits.maxMoves)) {
        Finish(SolveOutcome::Unsolvable);
        return;
    }
    start = table.Insert(codec.Initial()).id;
    table.LinkOf(start).SetEstimate(std::min(estimate, kMaxEstimate));
    queue.Push(start, estimate, 0);
}

void AStarSearch::Finish(SolveOutcome outcome) {
    finished = true;
    result.outcome = outcome;
    result.statesExplored = table.Size();
}

bool AStarSearch::Advance(double sliceSeconds) {
    if (finished) return true;
    // The table grows for the limit, when it does, at the start of a slice and within it.
    bool starting = true;
    const SliceEnd end = RunSlice(sliceSeconds, limits.maxSeconds, result.seconds, [&] {
        if (std::exchange(starting, false)) table.GrowForLimit();
        return ExpandNext();
    });
    if (end == SliceEnd::OutOfTime) Finish(SolveOutcome::Undecided);
    return end != SliceEnd::SliceOver;
}

bool AStarSearch::ExpandNext() {
    uint32_t id = 0;
    int f = 0;
    int depth = 0;
    if (!queue.Pop(id, f, depth)) {
        Finish(SolveOutcome::Unsolvable);
        return false;
    }
    // Stale entries: the state was reached by a shorter path after this one was queued.
    if (table.LinkOf(id).Depth() != depth) return true;
    const int estimate = table.LinkOf(id).Estimate();

    const PackedState state = table.State(id);
    const ShapePositions shapes = codec.Shapes(state);
    if (shapes == goals) {
        result.moveCount = depth;
        result.solution = TraceSteps(table, codec, start, id);
        Finish(SolveOutcome::Solved);
        return false;
    }
    if (depth >= kMaxDepth) {
        Finish(SolveOutcome::Undecided);
        return false;
    }

    // The fast search stores only the successors within the popped total f; the state goes
    // back into the queue at the lowest total of the others, and makes them when that is
    // reached. Most successors lie beyond the length of the solution and are never stored.
    int laterF = INT_MAX;
    const MovesLeftBound::Holding holding = codec.HoldingMasks(state);
    StateSteps successors;
    const int count = MakeSteps(codec, table, state, shapes, successors);
    for (int i = 0; i < count; ++i) {
        const StateStep& next = successors[i];
        // A state already stored as near the start needs no estimate: most successors are
        // such repeats.
        const uint32_t known = table.Find(next.state);
        if (known != StateTable::kNone && table.LinkOf(known).Depth() <= depth + 1) continue;
        int nextEstimate = 0;
        if (known != StateTable::kNone) {
            nextEstimate = table.LinkOf(known).Estimate();
        } else {
            MovesLeftBound::Holding nextHolding = holding;
            StateCodec::SetHolding(nextHolding, next.to, next.mixed);
            ShapePositions moved = shapes;
            moved[next.move / kDirectionCount] = next.to;
            // Beyond f it is put off anyway, and the least estimate past f does for when.
            nextEstimate = movesLeft.Estimate(nextHolding, moved, fast ? f - depth - 1 : INT_MAX);
            if (nextEstimate == MovesLeftBound::kUnreachable) continue;
        }
        // One move changes the moves left by one at most, so the parent's estimate less one
        // is a bound here too, and often the better one. (The reference bound is consistent:
        // there it changes nothing.)
        if (fast) nextEstimate = std::max(nextEstimate, estimate - 1);
        nextEstimate = std::min(nextEstimate, kMaxEstimate);
        const int nextF = depth + 1 + nextEstimate;
        if (limits.maxMoves > 0 && nextF > limits.maxMoves) continue;
        if (fast && nextF > f) {
            laterF = std::min(laterF, nextF);
            continue;
        }
        // A state reached again by a shorter path is searched again from there, even when it
        // was expanded already: the estimate may fall by more than one in a move.
        const uint32_t nextId = known != StateTable::kNone ? known : table.Insert(next.state).id;
        table.LinkOf(nextId).Set(id, depth + 1, next.move, nextEstimate);

        queue.Push(nextId, nextF, depth + 1);
        if (table.Size() >= maxStates) {
            Finish(SolveOutcome::Undecided);
            return false;
        }
    }
    if (laterF != INT_MAX) queue.Push(id, laterF, depth);
    return true;
}

}  // namespace qv
