#include "puzzle/Solver.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "puzzle/MoveRule.h"
#include "puzzle/SearchQueue.h"
#include "puzzle/StateCodec.h"
#include "puzzle/StateTable.h"

namespace qv {

namespace {

constexpr StepDirection kDirections[] = {StepDirection::Up, StepDirection::Down,
                                         StepDirection::Left, StepDirection::Right};
constexpr int kDirectionCount = 4;
// Depths are stored in 16 bits; a search that would need more stops undecided.
constexpr int kMaxDepth = UINT16_MAX;
// Ids are 32-bit.
constexpr std::size_t kMaxIds = UINT32_MAX - 1;

constexpr int kUnreachable = -1;

int Distance(TilePos a, TilePos b) { return std::abs(a.x - b.x) + std::abs(a.y - b.y); }

// The colour bit a shape adds to the tiles it enters.
int Primary(int kind) { return static_cast<int>(ShapeColor(static_cast<ShapeKind>(kind))); }

// A lower bound on the moves still needed: the sum of one bound per shape. Each shape needs at
// least its walk home over open cells, ignoring colours and the other shapes (missing tiles
// cost a lot of searching when the plain distance is used instead). And while a goal tile holds
// its owner's colour and is not white, the owner can only get in once the tile has turned
// white, so every shape whose colour the tile still lacks has to call there on its way home.
// A move can only lower the moving shape's bound, and by one at most, so the bound is
// consistent and a state never has to be expanded twice.
class MovesLeftBound {
public:
    MovesLeftBound(const StateCodec& codec, const ShapePositions& goals)
        : codec_(codec), goals_(goals) {
        std::vector<TilePos> cells;
        for (int x = 0; x < codec.Width(); ++x) {
            for (int y = 0; y < codec.Height(); ++y) {
                const int cell = codec.CellIndex(x, y);
                if (cell < 0) continue;
                if (cell >= static_cast<int>(cells.size())) cells.resize(cell + 1);
                cells[cell] = {static_cast<int16_t>(x), static_cast<int16_t>(y)};
            }
        }
        cellCount_ = static_cast<int>(cells.size());
        steps_.assign(static_cast<std::size_t>(cellCount_) * cellCount_, kUnreachable);
        for (int from = 0; from < cellCount_; ++from) WalkFrom(cells, from);
        for (int k = 0; k < kShapeCount; ++k)
            goalCells_[k] = codec.CellIndex(goals[k].x, goals[k].y);
    }

    // kUnreachable when some shape can never get home from here.
    int Estimate(const PackedState& state, const ShapePositions& shapes) const {
        int sum = 0;
        for (int k = 0; k < kShapeCount; ++k) {
            int bound = Walk(shapes[k], goals_[k]);
            if (bound == kUnreachable) return kUnreachable;
            for (int owner = 0; owner < kShapeCount; ++owner) {
                if (!MustCallAt(state, shapes, owner, k)) continue;
                const int there = Walk(shapes[k], goals_[owner]);
                const int home = Walk(goals_[owner], goals_[k]);
                if (there == kUnreachable || home == kUnreachable) return kUnreachable;
                bound = std::max(bound, there + home);
            }
            sum += bound;
        }
        return sum;
    }

private:
    void WalkFrom(const std::vector<TilePos>& cells, int from) {
        int* steps = &steps_[static_cast<std::size_t>(from) * cellCount_];
        std::vector<int> queue{from};
        steps[from] = 0;
        for (std::size_t head = 0; head < queue.size(); ++head) {
            const TilePos at = cells[queue[head]];
            for (StepDirection direction : kDirections) {
                const TilePos next = StepTarget(at, direction);
                const int cell = codec_.CellIndex(next.x, next.y);
                if (cell < 0 || steps[cell] != kUnreachable) continue;
                steps[cell] = steps[queue[head]] + 1;
                queue.push_back(cell);
            }
        }
    }

    int Walk(TilePos from, TilePos to) const {
        const int a = codec_.CellIndex(from.x, from.y);
        // A shape still on its off-board start: the plain distance is a safe bound there.
        if (a < 0) return Distance(from, to);
        const int b = codec_.CellIndex(to.x, to.y);
        return b < 0 ? kUnreachable : steps_[static_cast<std::size_t>(a) * cellCount_ + b];
    }

    // Whether `visitor` still has to enter the goal tile of `owner` before the owner can.
    bool MustCallAt(const PackedState& state, const ShapePositions& shapes, int owner,
                    int visitor) const {
        if (owner == visitor || shapes[owner] == goals_[owner] || goalCells_[owner] < 0)
            return false;
        const auto color = static_cast<int>(codec_.Color(state, goalCells_[owner]));
        if (color == static_cast<int>(TileColor::White)) return false;
        return (color & Primary(owner)) != 0 && (color & Primary(visitor)) == 0;
    }

    const StateCodec& codec_;
    ShapePositions goals_;
    std::array<int, kShapeCount> goalCells_{};
    int cellCount_ = 0;
    std::vector<int> steps_;  // [from cell * cellCount_ + to cell]
};

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

TilePos StepTarget(TilePos from, StepDirection direction) {
    TilePos to = from;
    switch (direction) {
    case StepDirection::Up: --to.y; break;
    case StepDirection::Down: ++to.y; break;
    case StepDirection::Left: --to.x; break;
    case StepDirection::Right: ++to.x; break;
    }
    return to;
}

const char* ShapeName(ShapeKind kind) {
    switch (kind) {
    case ShapeKind::Circle: return "circle";
    case ShapeKind::Star: return "star";
    case ShapeKind::Triangle: return "triangle";
    }
    return "?";
}

const char* OutcomeName(SolveOutcome outcome) {
    switch (outcome) {
    case SolveOutcome::Solved: return "solved";
    case SolveOutcome::Unsolvable: return "unsolvable";
    case SolveOutcome::Undecided: break;
    }
    return "undecided";
}

std::string DescribeMove(const SolverMove& move) {
    static const char* const kDirectionNames[] = {"up", "down", "left", "right"};
    return std::string(ShapeName(move.shape)) + " (" + std::to_string(move.from.x) + "," +
           std::to_string(move.from.y) + ") " + kDirectionNames[static_cast<int>(move.direction)];
}

SolveResult SolveLevel(const Level& level, const SolverLimits& limits) {
    const auto started = std::chrono::steady_clock::now();
    auto elapsed = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    };
    const std::size_t maxStates =
        limits.maxStates > 0 ? std::min(limits.maxStates, kMaxIds) : kMaxIds;

    SolveResult result;
    const StateCodec codec(level);
    const ShapePositions starts = level.ShapePositions();
    const ShapePositions goals{level.circleGoal, level.starGoal, level.triangleGoal};

    StateTable table(codec.Words());
    const MovesLeftBound movesLeft(codec, goals);
    if (starts == goals) {
        result.outcome = SolveOutcome::Solved;
        result.statesExplored = 1;
        result.seconds = elapsed();
        return result;
    }
    // A goal that a shape, or a shape it waits for, can never reach settles the matter
    // without a search.
    const int startEstimate = movesLeft.Estimate(codec.Initial(), starts);
    auto beyondMaxMoves = [&](int moves) { return limits.maxMoves > 0 && moves > limits.maxMoves; };
    if (startEstimate == kUnreachable || beyondMaxMoves(startEstimate)) {
        result.outcome = SolveOutcome::Unsolvable;
        result.seconds = elapsed();
        return result;
    }

    SearchQueue queue;
    const uint32_t start = table.Insert(codec.Initial()).id;
    queue.Push(start, startEstimate, 0);

    bool undecided = false;
    std::size_t expansions = 0;
    uint32_t id = 0;
    int depth = 0;
    while (!undecided && queue.Pop(id, depth)) {
        StateTable::Link& link = table.LinkOf(id);
        // Stale entries: the state was reached by a shorter path after this one was queued.
        if (link.expanded || link.depth != depth) continue;
        link.expanded = true;

        const PackedState state = table.State(id);
        const ShapePositions shapes = codec.Shapes(state);
        if (shapes == goals) {
            result.outcome = SolveOutcome::Solved;
            result.moveCount = depth;
            result.solution = TracePath(table, codec, start, id);
            break;
        }
        if (depth >= kMaxDepth) {
            undecided = true;
            break;
        }
        if (limits.maxSeconds > 0 && ++expansions % 1024 == 0 && elapsed() > limits.maxSeconds) {
            undecided = true;
            break;
        }

        for (int k = 0; k < kShapeCount && !undecided; ++k) {
            const auto kind = static_cast<ShapeKind>(k);
            // A shape sharing its cell with one the game moves first can't be moved at all.
            if (ShapeMovingFrom(shapes, shapes[k]) != kind) continue;
            for (int d = 0; d < kDirectionCount; ++d) {
                const TilePos to = StepTarget(shapes[k], kDirections[d]);
                if (!StepAllowed(codec.Width(), codec.Height(), shapes, shapes[k], to.x, to.y)) continue;
                const int cell = codec.CellIndex(to.x, to.y);
                if (cell < 0) continue;
                const TileColor mixed = MixedColor(codec.Color(state, cell), kind);
                if (mixed == TileColor::Black) continue;

                PackedState next = state;
                codec.SetColor(next, cell, mixed);
                codec.SetShape(next, kind, cell);
                ShapePositions moved = shapes;
                moved[k] = to;
                const int estimate = movesLeft.Estimate(next, moved);
                if (estimate == kUnreachable || beyondMaxMoves(depth + 1 + estimate)) continue;
                const StateTable::Entry entry = table.Insert(next);
                StateTable::Link& nextLink = table.LinkOf(entry.id);
                if (!entry.added && (nextLink.expanded || nextLink.depth <= depth + 1)) continue;
                nextLink.parent = id;
                nextLink.depth = static_cast<uint16_t>(depth + 1);
                nextLink.move = static_cast<uint8_t>(k * kDirectionCount + d);
                nextLink.expanded = false;

                queue.Push(entry.id, depth + 1 + estimate, depth + 1);
                if (table.Size() >= maxStates) {
                    undecided = true;
                    break;
                }
            }
        }
    }

    if (result.outcome != SolveOutcome::Solved) {
        result.outcome = undecided ? SolveOutcome::Undecided : SolveOutcome::Unsolvable;
    }
    result.statesExplored = table.Size();
    result.seconds = elapsed();
    return result;
}

}  // namespace qv
