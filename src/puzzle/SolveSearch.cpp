#include "puzzle/SolveSearch.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <vector>

#include "puzzle/MoveRule.h"

namespace qv {

namespace {

constexpr StepDirection kDirections[] = {StepDirection::Up, StepDirection::Down,
                                         StepDirection::Left, StepDirection::Right};
constexpr int kDirectionCount = 4;
// Depths are stored in 16 bits; a search that would need more stops undecided.
constexpr int kMaxDepth = UINT16_MAX;
// Estimates are stored in 8 bits; a smaller one is still a bound.
constexpr int kMaxEstimate = UINT8_MAX;
constexpr std::size_t kMaxIds = StateTable::kCapacity;
// Expansions between looks at the clock: a few microseconds of work, so a slice ends close to
// its time while the clock costs next to nothing.
constexpr int kExpansionsPerClockCheck = 64;

// The most states the limits allow, or 0 for no limit but the table's own.
std::size_t StatesLimit(const SolverLimits& limits) {
    return limits.maxStates > 0 ? std::min(limits.maxStates, kMaxIds) : 0;
}

std::vector<SolverMove> TracePath(StateTable& table, const StateCodec& codec, uint32_t start,
                                  uint32_t goal) {
    std::vector<SolverMove> moves;
    for (uint32_t id = goal; id != start;) {
        const StateTable::Link link = table.LinkOf(id);
        SolverMove move;
        move.shape = static_cast<ShapeKind>(link.move / kDirectionCount);
        move.direction = static_cast<StepDirection>(link.move % kDirectionCount);
        move.from = codec.Shapes(table.State(link.parent))[static_cast<int>(move.shape)];
        moves.push_back(move);
        id = link.parent;
    }
    std::reverse(moves.begin(), moves.end());
    return moves;
}

}  // namespace

SolveSearch::SolveSearch(const Level& level, const SolverLimits& limits, SolveStrategy strategy)
    : limits_(limits),
      fast_(strategy == SolveStrategy::Fast),
      codec_(level),
      goals_{level.circleGoal, level.starGoal, level.triangleGoal},
      movesLeft_(codec_, goals_, strategy),
      table_(codec_.Words(), StatesLimit(limits)),
      maxStates_(StatesLimit(limits) > 0 ? StatesLimit(limits) : kMaxIds) {
    const ShapePositions starts = level.ShapePositions();
    if (starts == goals_) {
        Finish(SolveOutcome::Solved);
        result_.statesExplored = 1;
        return;
    }
    // A goal that a shape, or a shape it waits for, can never reach settles the matter
    // without a search.
    const int estimate = movesLeft_.Estimate(codec_.HoldingMasks(codec_.Initial()), starts);
    if (estimate == MovesLeftBound::kUnreachable ||
        (limits_.maxMoves > 0 && estimate > limits_.maxMoves)) {
        Finish(SolveOutcome::Unsolvable);
        return;
    }
    start_ = table_.Insert(codec_.Initial()).id;
    table_.LinkOf(start_).estimate = static_cast<uint8_t>(std::min(estimate, kMaxEstimate));
    queue_.Push(start_, estimate, 0);
}

void SolveSearch::Finish(SolveOutcome outcome) {
    finished_ = true;
    result_.outcome = outcome;
    result_.statesExplored = table_.Size();
}

bool SolveSearch::Advance(double sliceSeconds) {
    if (finished_) return true;
    const auto began = std::chrono::steady_clock::now();
    const double spentBefore = result_.seconds;
    for (;;) {
        for (int i = 0; i < kExpansionsPerClockCheck; ++i) {
            if (!ExpandNext()) break;
        }
        const double slice =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
        result_.seconds = spentBefore + slice;
        if (finished_) return true;
        if (limits_.maxSeconds > 0 && result_.seconds > limits_.maxSeconds) {
            Finish(SolveOutcome::Undecided);
            return true;
        }
        if (sliceSeconds > 0 && slice >= sliceSeconds) return false;
    }
}

// Every move the game allows from `state`. Their slots in the table are fetched ahead, so
// the memory waits of the look-ups overlap.
int SolveSearch::MakeSuccessors(const PackedState& state, const ShapePositions& shapes,
                                Successors& successors) const {
    int count = 0;
    std::array<int, kShapeCount> at{};
    for (int k = 0; k < kShapeCount; ++k) at[k] = codec_.CellIndex(shapes[k].x, shapes[k].y);
    const bool shared = shapes[0] == shapes[1] || shapes[0] == shapes[2] || shapes[1] == shapes[2];
    for (int k = 0; k < kShapeCount; ++k) {
        const auto kind = static_cast<ShapeKind>(k);
        // A shape sharing its cell with one the game moves first can't be moved at all.
        if (shared && ShapeMovingFrom(shapes, shapes[k]) != kind) continue;
        for (int d = 0; d < kDirectionCount; ++d) {
            TilePos to;
            int cell = -1;
            if (at[k] >= 0) {
                cell = codec_.Next(at[k], d);
                if (cell < 0 || cell == at[0] || cell == at[1] || cell == at[2]) continue;
                to = codec_.Position(cell);
            } else {
                // A shape still on its off-board start (bad data): the whole placement rule.
                to = StepTarget(shapes[k], kDirections[d]);
                if (!StepAllowed(codec_.Width(), codec_.Height(), shapes, shapes[k], to.x, to.y))
                    continue;
                cell = codec_.CellIndex(to.x, to.y);
                if (cell < 0) continue;
            }
            const TileColor mixed = MixedColor(codec_.Color(state, cell), kind);
            if (mixed == TileColor::Black) continue;

            Successor& next = successors[count++];
            next.state = state;
            codec_.SetColor(next.state, cell, mixed);
            codec_.SetShape(next.state, kind, cell);
            next.to = to;
            next.mixed = mixed;
            next.move = static_cast<uint8_t>(k * kDirectionCount + d);
            table_.Prefetch(next.state);
        }
    }
    return count;
}

bool SolveSearch::ExpandNext() {
    uint32_t id = 0;
    int f = 0;
    int depth = 0;
    if (!queue_.Pop(id, f, depth)) {
        Finish(SolveOutcome::Unsolvable);
        return false;
    }
    // Stale entries: the state was reached by a shorter path after this one was queued.
    if (table_.LinkOf(id).depth != depth) return true;
    const int estimate = table_.LinkOf(id).estimate;

    const PackedState state = table_.State(id);
    const ShapePositions shapes = codec_.Shapes(state);
    if (shapes == goals_) {
        result_.moveCount = depth;
        result_.solution = TracePath(table_, codec_, start_, id);
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
    const MovesLeftBound::Holding holding = codec_.HoldingMasks(state);
    Successors successors;
    const int count = MakeSuccessors(state, shapes, successors);
    for (int i = 0; i < count; ++i) {
        const Successor& next = successors[i];
        // A state already stored as near the start needs no estimate: most successors are
        // such repeats.
        const uint32_t known = table_.Find(next.state);
        if (known != StateTable::kNone && table_.LinkOf(known).depth <= depth + 1) continue;
        int nextEstimate = 0;
        if (known != StateTable::kNone) {
            nextEstimate = table_.LinkOf(known).estimate;
        } else {
            MovesLeftBound::Holding nextHolding = holding;
            StateCodec::SetHolding(nextHolding, next.to, next.mixed);
            ShapePositions moved = shapes;
            moved[next.move / kDirectionCount] = next.to;
            // Beyond f it is put off anyway, and the least estimate past f does for when.
            nextEstimate = movesLeft_.Estimate(nextHolding, moved, fast_ ? f - depth - 1 : INT_MAX);
            if (nextEstimate == MovesLeftBound::kUnreachable) continue;
        }
        // One move changes the moves left by one at most, so the parent's estimate less one
        // is a bound here too, and often the better one. (The reference bound is consistent:
        // there it changes nothing.)
        if (fast_) nextEstimate = std::max(nextEstimate, estimate - 1);
        nextEstimate = std::min(nextEstimate, kMaxEstimate);
        const int nextF = depth + 1 + nextEstimate;
        if (limits_.maxMoves > 0 && nextF > limits_.maxMoves) continue;
        if (fast_ && nextF > f) {
            laterF = std::min(laterF, nextF);
            continue;
        }
        // A state reached again by a shorter path is searched again from there, even when it
        // was expanded already: the estimate may fall by more than one in a move.
        const uint32_t nextId = known != StateTable::kNone ? known : table_.Insert(next.state).id;
        StateTable::Link& nextLink = table_.LinkOf(nextId);
        nextLink.parent = id;
        nextLink.depth = static_cast<uint16_t>(depth + 1);
        nextLink.move = next.move;
        nextLink.estimate = static_cast<uint8_t>(nextEstimate);

        queue_.Push(nextId, nextF, depth + 1);
        if (table_.Size() >= maxStates_) {
            Finish(SolveOutcome::Undecided);
            return false;
        }
    }
    if (laterF != INT_MAX) queue_.Push(id, laterF, depth);
    return true;
}

SolveResult SolveLevel(const Level& level, const SolverLimits& limits, SolveStrategy strategy) {
    SolveSearch search(level, limits, strategy);
    search.Advance(0);
    return search.Result();
}

}  // namespace qv
