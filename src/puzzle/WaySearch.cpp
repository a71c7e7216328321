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

WaySearch::WaySearch(const Level& level, const SolverLimits& limits, Order order)
    : limits_(limits),
      shallowFirst_(order == Order::ShallowestFirst),
      codec_(level),
      goals_{level.circleGoal, level.starGoal, level.triangleGoal},
      movesLeft_(codec_, goals_),
      table_(codec_.Bytes(), std::min(limits.maxStates, StateTable::kCapacity)),
      cellCount_(codec_.CellCount()),
      maxStates_(limits.maxStates > 0 ? std::min(limits.maxStates, StateTable::kCapacity)
                                      : StateTable::kCapacity) {
    const ShapePositions starts = level.ShapePositions();
    if (starts == goals_) {
        Finish(SolveOutcome::Way);
        return;
    }
    const int estimate = movesLeft_.Estimate(codec_.HoldingMasks(codec_.Initial()), starts);
    if (estimate == MovesLeftBound::kUnreachable ||
        (limits_.maxMoves > 0 && estimate > limits_.maxMoves)) {
        Finish(SolveOutcome::Unsolvable);
        return;
    }
    start_ = table_.Insert(codec_.Initial()).id;
    const int bounded = std::min(estimate, kMaxEstimate);
    table_.LinkOf(start_).SetEstimate(bounded);
    Novel(codec_.Initial(), bounded);
    Queue(start_, bounded, 0);
}

void WaySearch::Queue(uint32_t id, int priority, int depth) {
    // The queue takes the deepest first among equals.
    queue_.Push(id, priority, shallowFirst_ ? kMaxDepth - depth : depth);
}

void WaySearch::Finish(SolveOutcome outcome) {
    finished_ = true;
    result_.outcome = outcome;
    result_.statesExplored = table_.Size();
}

int WaySearch::Novel(const PackedState& state, int estimate) {
    if (seen_.size() <= static_cast<std::size_t>(estimate)) seen_.resize(estimate + 1);
    std::vector<uint64_t>& seen = seen_[estimate];
    const int atoms = cellCount_ * (kShapeCount + kColorCount);
    const int placeAtoms = cellCount_ * kShapeCount;
    if (seen.empty()) seen.assign((atoms + placeAtoms * atoms + 63) / 64, 0);
    int novelty = 3;
    auto mark = [&](int atom, int level) {
        uint64_t& word = seen[atom / 64];
        const uint64_t bit = uint64_t{1} << (atom % 64);
        if (!(word & bit)) novelty = std::min(novelty, level);
        word |= bit;
    };
    int held[kShapeCount + kCellCount];
    int count = 0;
    const ShapePositions shapes = codec_.Shapes(state);
    for (int k = 0; k < kShapeCount; ++k) {
        const int cell = codec_.CellIndex(shapes[k].x, shapes[k].y);
        if (cell >= 0) held[count++] = k * cellCount_ + cell;
    }
    const int places = count;
    for (int cell = 0; cell < cellCount_; ++cell)
        held[count++] = placeAtoms + cell * kColorCount + static_cast<int>(codec_.Color(state, cell));
    for (int i = 0; i < count; ++i) mark(held[i], 1);
    for (int p = 0; p < places; ++p)
        for (int i = 0; i < count; ++i) mark(atoms + held[p] * atoms + held[i], 2);
    return novelty;
}

bool WaySearch::Advance(double sliceSeconds) {
    if (finished_) return true;
    // The table grows for the limit, when it does, at the start of a slice and within it.
    bool starting = true;
    const SliceEnd end = RunSlice(sliceSeconds, limits_.maxSeconds, result_.seconds, [&] {
        if (std::exchange(starting, false)) table_.GrowForLimit();
        return ExpandNext();
    });
    if (end == SliceEnd::OutOfTime) Finish(SolveOutcome::Undecided);
    return end != SliceEnd::SliceOver;
}

bool WaySearch::ExpandNext() {
    uint32_t id = 0;
    int priority = 0;
    int depth = 0;
    if (!queue_.Pop(id, priority, depth)) {
        Finish(SolveOutcome::Unsolvable);
        return false;
    }
    if (shallowFirst_) depth = kMaxDepth - depth;
    // Reached again by a shorter way since, and queued again from there.
    if (table_.LinkOf(id).Depth() != depth) return true;
    const PackedState state = table_.State(id);
    const ShapePositions shapes = codec_.Shapes(state);
    if (depth >= kMaxDepth) return true;

    const MovesLeftBound::Holding holding = codec_.HoldingMasks(state);
    StateSteps steps;
    const int count = MakeSteps(codec_, table_, state, shapes, steps);
    for (int i = 0; i < count; ++i) {
        const StateStep& next = steps[i];
        const uint32_t known = table_.Find(next.state);
        if (known != StateTable::kNone) {
            // A shorter way to a stored position: it stays where it is in the queue, and the
            // way traced back through it gets shorter. Within maxMoves its moves on must be
            // looked at again, since some may have been left out as too long.
            StateTable::Link& link = table_.LinkOf(known);
            if (link.Depth() <= depth + 1) continue;
            link.Set(id, depth + 1, next.move, link.Estimate());
            if (limits_.maxMoves > 0) Queue(known, link.Estimate(), depth + 1);
            continue;
        }
        MovesLeftBound::Holding nextHolding = holding;
        StateCodec::SetHolding(nextHolding, next.to, next.mixed);
        ShapePositions moved = shapes;
        moved[next.move / kDirectionCount] = next.to;
        const int estimate = movesLeft_.Estimate(nextHolding, moved);
        if (estimate == MovesLeftBound::kUnreachable) continue;
        if (limits_.maxMoves > 0 && depth + 1 + estimate > limits_.maxMoves) continue;
        const uint32_t nextId = table_.Insert(next.state).id;
        const int bounded = std::min(estimate, kMaxEstimate);
        table_.LinkOf(nextId).Set(id, depth + 1, next.move, bounded);
        if (moved == goals_) {
            result_.moveCount = depth + 1;
            result_.solution = TraceSteps(table_, codec_, start_, nextId);
            Finish(SolveOutcome::Way);
            return false;
        }
        Queue(nextId, (Novel(next.state, bounded) - 1) * kNothingNew + bounded, depth + 1);
        if (table_.Size() >= maxStates_) {
            Finish(SolveOutcome::Undecided);
            return false;
        }
    }
    return true;
}

}  // namespace qv
