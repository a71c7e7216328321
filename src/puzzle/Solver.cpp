#include "puzzle/Solver.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>

#include "puzzle/MoveRule.h"
#include "puzzle/SearchQueue.h"
#include "puzzle/StateCodec.h"
#include "puzzle/StateTable.h"

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

// How far each shape is from its goal, walking over open cells and ignoring colours and the
// other shapes: never more than the moves still needed, and missing tiles cost a lot of
// searching when the plain distance is used instead.
class GoalDistances {
public:
    GoalDistances(const StateCodec& codec, const ShapePositions& goals) : codec_(codec), goals_(goals) {
        for (int k = 0; k < kShapeCount; ++k) {
            auto& steps = steps_[k];
            steps.fill(kUnreachable);
            const int goal = codec.CellIndex(goals[k].x, goals[k].y);
            if (goal < 0) continue;
            std::array<TilePos, kCellCount> queue;
            int head = 0;
            int tail = 0;
            steps[goal] = 0;
            queue[tail++] = goals[k];
            while (head < tail) {
                const TilePos at = queue[head++];
                const int here = steps[codec.CellIndex(at.x, at.y)];
                for (StepDirection direction : kDirections) {
                    const TilePos next = StepTarget(at, direction);
                    const int cell = codec.CellIndex(next.x, next.y);
                    if (cell < 0 || steps[cell] != kUnreachable) continue;
                    steps[cell] = here + 1;
                    queue[tail++] = next;
                }
            }
        }
    }

    // The sum over the shapes, or kUnreachable when a shape can never get home from where it is.
    int Estimate(const ShapePositions& shapes) const {
        int sum = 0;
        for (int k = 0; k < kShapeCount; ++k) {
            const int cell = codec_.CellIndex(shapes[k].x, shapes[k].y);
            // A shape still on its off-board start: the plain distance is a safe bound there.
            const int steps = cell < 0 ? Distance(shapes[k], goals_[k]) : steps_[k][cell];
            if (steps == kUnreachable) return kUnreachable;
            sum += steps;
        }
        return sum;
    }

private:
    const StateCodec& codec_;
    ShapePositions goals_;
    std::array<std::array<int, kCellCount>, kShapeCount> steps_;
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
    const GoalDistances distances(codec, goals);
    if (starts == goals) {
        result.outcome = SolveOutcome::Solved;
        result.statesExplored = 1;
        result.seconds = elapsed();
        return result;
    }
    // A goal a shape can never reach settles the matter without a search.
    const int startEstimate = distances.Estimate(starts);
    if (startEstimate == kUnreachable) {
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
            for (int d = 0; d < kDirectionCount; ++d) {
                const TilePos to = StepTarget(shapes[k], kDirections[d]);
                if (!StepAllowed(codec.Width(), codec.Height(), shapes, shapes[k], to.x, to.y)) continue;
                const int cell = codec.CellIndex(to.x, to.y);
                if (cell < 0) continue;
                const TileColor mixed = MixedColor(codec.Color(state, cell), kind);
                if (mixed == TileColor::Black) continue;

                ShapePositions moved = shapes;
                moved[k] = to;
                const int estimate = distances.Estimate(moved);
                if (estimate == kUnreachable) continue;

                PackedState next = state;
                codec.SetColor(next, cell, mixed);
                codec.SetShape(next, kind, cell);
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
