#include "puzzle/WaySearch.h"

#include <algorithm>
#include <climits>
#include <utility>

#include "puzzle/SearchSlice.h"
#include "puzzle/StateSteps.h"

namespace qv {

namespace {

constexpr int kMaxDepth = StateTable::Link::kMaxDepth;
constexpr int kMaxEstimate = StateTable::Link::kMaxEstimate;
// Positions that bring nothing new wait behind every one that does.
constexpr int kNothingNew = kMaxEstimate + 1;
constexpr int kColorCount = 8;

}  // namespace

WaySearch::WaySearch(const Level& level, const SolverLimits& searchLimits, Order order)
    : limits(searchLimits),
      shallowFirst(order == Order::ShallowestFirst),
      codec(level),
      goals{level.circleGoal, level.starGoal, level.triangleGoal},
      movesLeft(codec, goals),
      table(codec.Bytes(), std::min(searchLimits.maxStates, StateTable::kCapacity)),
      cellCount(codec.CellCount()),
      maxStates(searchLimits.maxStates > 0 ? std::min(searchLimits.maxStates, StateTable::kCapacity)
                                           : StateTable::kCapacity) {
    const ShapePositions starts = level.ShapePositions();
    if (starts == goals) {
        Finish(SolveOutcome::Way);
        return;
    }
    const int estimate = movesLeft.Estimate(codec.HoldingMasks(codec.Initial()), starts);
    if (estimate == MovesLeftBound::kUnreachable ||
        (limits.maxMoves > 0 && estimate > limits.maxMoves)) {
        Finish(SolveOutcome::Unsolvable);
        return;
    }
    start = table.Insert(codec.Initial()).id;
    const int bounded = std::min(estimate, kMaxEstimate);
    table.LinkOf(start).SetEstimate(bounded);
    Novel(codec.Initial(), bounded);
    Queue(start, bounded, 0);
}

void WaySearch::Queue(uint32_t id, int priority, int depth) {
    // The queue takes the deepest first among equals.
    queue.Push(id, priority, shallowFirst ? kMaxDepth - depth : depth);
}

void WaySearch::Finish(SolveOutcome outcome) {
    finished = true;
    result.outcome = outcome;
    result.statesExplored = table.Size();
}

int WaySearch::Novel(const PackedState& state, int estimate) {
    if (seen.size() <= static_cast<std::size_t>(estimate)) seen.resize(estimate + 1);
    std::vector<uint64_t>& marks = seen[estimate];
    const int atoms = cellCount * (kShapeCount + kColorCount);
    const int placeAtoms = cellCount * kShapeCount;
    if (marks.empty()) marks.assign((atoms + placeAtoms * atoms + 63) / 64, 0);
    int novelty = 3;
    auto mark = [&](int atom, int level) {
        uint64_t& word = marks[atom / 64];
        const uint64_t bit = uint64_t{1} << (atom % 64);
        if (!(word & bit)) novelty = std::min(novelty, level);
        word |= bit;
    };
    int held[kShapeCount + kCellCount];
    int count = 0;
    const ShapePositions shapes = codec.Shapes(state);
    for (int k = 0; k < kShapeCount; ++k) {
        const int cell = codec.CellIndex(shapes[k].x, shapes[k].y);
        if (cell >= 0) held[count++] = k * cellCount + cell;
    }
    const int places = count;
    for (int cell = 0; cell < cellCount; ++cell)
        held[count++] = placeAtoms + cell * kColorCount + static_cast<int>(codec.Color(state, cell));
    for (int i = 0; i < count; ++i) mark(held[i], 1);
    for (int p = 0; p < places; ++p)
        for (int i = 0; i < count; ++i) mark(atoms + held[p] * atoms + held[i], 2);
    return novelty;
}

bool WaySearch::Advance(double sliceSeconds) {
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

bool WaySearch::ExpandNext() {
    uint32_t id = 0;
    int priority = 0;
    int depth = 0;
    if (!queue.Pop(id, priority, depth)) {
        Finish(SolveOutcome::Unsolvable);
        return false;
    }
    if (shallowFirst) depth = kMaxDepth - depth;
    // Reached again by a shorter way since, and queued again from there.
    if (table.LinkOf(id).Depth() != depth) return true;
    const PackedState state = table.State(id);
    const ShapePositions shapes = codec.Shapes(state);
    if (depth >= kMaxDepth) return true;

    const MovesLeftBound::Holding holding = codec.HoldingMasks(state);
    StateSteps steps;
    const int count = MakeSteps(codec, table, state, shapes, steps);
    for (int i = 0; i < count; ++i) {
        const StateStep& next = steps[i];
        const uint32_t known = table.Find(next.state);
        if (known != StateTable::kNone) {
            // A shorter way to a stored position: it stays where it is in the queue, and the
            // way traced back through it gets shorter. Within maxMoves its moves on must be
            // looked at again, since some may have been left out as too long.
            StateTable::Link& link = table.LinkOf(known);
            if (link.Depth() <= depth + 1) continue;
            link.Set(id, depth + 1, next.move, link.Estimate());
            if (limits.maxMoves > 0) Queue(known, link.Estimate(), depth + 1);
            continue;
        }
        MovesLeftBound::Holding nextHolding = holding;
        StateCodec::SetHolding(nextHolding, next.to, next.mixed);
        ShapePositions moved = shapes;
        moved[next.move / kDirectionCount] = next.to;
        const int estimate = movesLeft.Estimate(nextHolding, moved);
        if (estimate == MovesLeftBound::kUnreachable) continue;
        if (limits.maxMoves > 0 && depth + 1 + estimate > limits.maxMoves) continue;
        const uint32_t nextId = table.Insert(next.state).id;
        const int bounded = std::min(estimate, kMaxEstimate);
        table.LinkOf(nextId).Set(id, depth + 1, next.move, bounded);
        if (moved == goals) {
            result.moveCount = depth + 1;
            result.solution = TraceSteps(table, codec, start, nextId);
            Finish(SolveOutcome::Way);
            return false;
        }
        Queue(nextId, (Novel(next.state, bounded) - 1) * kNothingNew + bounded, depth + 1);
        if (table.Size() >= maxStates) {
            Finish(SolveOutcome::Undecided);
            return false;
        }
    }
    return true;
}

}  // namespace qv
