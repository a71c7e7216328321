#include "puzzle/SolveSearch.h"

#include <algorithm>
#include <chrono>
#include <vector>

#include "puzzle/MoveRule.h"

namespace qv {

namespace {

constexpr StepDirection kDirections[] = {StepDirection::Up, StepDirection::Down,
                                         StepDirection::Left, StepDirection::Right};
constexpr int kDirectionCount = 4;
// Depths are stored in 16 bits; a search that would need more stops undecided.
constexpr int kMaxDepth = UINT16_MAX;
// Ids are 32-bit.
constexpr std::size_t kMaxIds = UINT32_MAX - 1;
// Expansions between looks at the clock: a few microseconds of work, so a slice ends close to
// its time while the clock costs next to nothing.
constexpr int kExpansionsPerClockCheck = 64;

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

SolveSearch::SolveSearch(const Level& level, const SolverLimits& limits)
    : limits_(limits),
      codec_(level),
      goals_{level.circleGoal, level.starGoal, level.triangleGoal},
      movesLeft_(codec_, goals_),
      table_(codec_.Words()),
      maxStates_(limits.maxStates > 0 ? std::min(limits.maxStates, kMaxIds) : kMaxIds) {
    const ShapePositions starts = level.ShapePositions();
    if (starts == goals_) {
        Finish(SolveOutcome::Solved);
        result_.statesExplored = 1;
        return;
    }
    // A goal that a shape, or a shape it waits for, can never reach settles the matter
    // without a search.
    const int estimate = movesLeft_.Estimate(codec_.Initial(), starts);
    if (estimate == MovesLeftBound::kUnreachable ||
        (limits_.maxMoves > 0 && estimate > limits_.maxMoves)) {
        Finish(SolveOutcome::Unsolvable);
        return;
    }
    start_ = table_.Insert(codec_.Initial()).id;
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

bool SolveSearch::ExpandNext() {
    uint32_t id = 0;
    int depth = 0;
    if (!queue_.Pop(id, depth)) {
        Finish(SolveOutcome::Unsolvable);
        return false;
    }
    StateTable::Link& link = table_.LinkOf(id);
    // Stale entries: the state was reached by a shorter path after this one was queued.
    if (link.expanded || link.depth != depth) return true;
    link.expanded = true;

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

    for (int k = 0; k < kShapeCount; ++k) {
        const auto kind = static_cast<ShapeKind>(k);
        // A shape sharing its cell with one the game moves first can't be moved at all.
        if (ShapeMovingFrom(shapes, shapes[k]) != kind) continue;
        for (int d = 0; d < kDirectionCount; ++d) {
            const TilePos to = StepTarget(shapes[k], kDirections[d]);
            if (!StepAllowed(codec_.Width(), codec_.Height(), shapes, shapes[k], to.x, to.y))
                continue;
            const int cell = codec_.CellIndex(to.x, to.y);
            if (cell < 0) continue;
            const TileColor mixed = MixedColor(codec_.Color(state, cell), kind);
            if (mixed == TileColor::Black) continue;

            PackedState next = state;
            codec_.SetColor(next, cell, mixed);
            codec_.SetShape(next, kind, cell);
            ShapePositions moved = shapes;
            moved[k] = to;
            const int estimate = movesLeft_.Estimate(next, moved);
            if (estimate == MovesLeftBound::kUnreachable ||
                (limits_.maxMoves > 0 && depth + 1 + estimate > limits_.maxMoves))
                continue;
            const StateTable::Entry entry = table_.Insert(next);
            StateTable::Link& nextLink = table_.LinkOf(entry.id);
            if (!entry.added && (nextLink.expanded || nextLink.depth <= depth + 1)) continue;
            nextLink.parent = id;
            nextLink.depth = static_cast<uint16_t>(depth + 1);
            nextLink.move = static_cast<uint8_t>(k * kDirectionCount + d);
            nextLink.expanded = false;

            queue_.Push(entry.id, depth + 1 + estimate, depth + 1);
            if (table_.Size() >= maxStates_) {
                Finish(SolveOutcome::Undecided);
                return false;
            }
        }
    }
    return true;
}

}  // namespace qv
