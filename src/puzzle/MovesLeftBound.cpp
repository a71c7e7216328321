#include "puzzle/MovesLeftBound.h"

#include <algorithm>
#include <cstdlib>

#include "puzzle/Solver.h"

namespace qv {

namespace {

constexpr StepDirection kDirections[] = {StepDirection::Up, StepDirection::Down,
                                         StepDirection::Left, StepDirection::Right};

int Distance(TilePos a, TilePos b) { return std::abs(a.x - b.x) + std::abs(a.y - b.y); }

// The colour bit a shape adds to the tiles it enters.
int Primary(int kind) { return static_cast<int>(ShapeColor(static_cast<ShapeKind>(kind))); }

}  // namespace

// The sum of one bound per shape. Each shape needs at least its walk home over open cells,
// ignoring colours and the other shapes (missing tiles cost a lot of searching when the plain
// distance is used instead). And while a goal tile holds its owner's colour and is not white,
// the owner can only get in once the tile has turned white, so every shape whose colour the
// tile still lacks has to call there on its way home. A move can only lower the moving shape's
// bound, and by one at most, so the bound is consistent and a state never has to be expanded
// twice.
MovesLeftBound::MovesLeftBound(const StateCodec& codec, const ShapePositions& goals)
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
    for (int k = 0; k < kShapeCount; ++k) goalCells_[k] = codec.CellIndex(goals[k].x, goals[k].y);
}

int MovesLeftBound::Estimate(const PackedState& state, const ShapePositions& shapes) const {
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

void MovesLeftBound::WalkFrom(const std::vector<TilePos>& cells, int from) {
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

int MovesLeftBound::Walk(TilePos from, TilePos to) const {
    const int a = codec_.CellIndex(from.x, from.y);
    // A shape still on its off-board start: the plain distance is a safe bound there.
    if (a < 0) return Distance(from, to);
    const int b = codec_.CellIndex(to.x, to.y);
    return b < 0 ? kUnreachable : steps_[static_cast<std::size_t>(a) * cellCount_ + b];
}

// Whether `visitor` still has to enter the goal tile of `owner` before the owner can.
bool MovesLeftBound::MustCallAt(const PackedState& state, const ShapePositions& shapes, int owner,
                                int visitor) const {
    if (owner == visitor || shapes[owner] == goals_[owner] || goalCells_[owner] < 0) return false;
    const auto color = static_cast<int>(codec_.Color(state, goalCells_[owner]));
    if (color == static_cast<int>(TileColor::White)) return false;
    return (color & Primary(owner)) != 0 && (color & Primary(visitor)) == 0;
}

}  // namespace qv
