#include "puzzle/StateSteps.h"

#include <algorithm>

#include "puzzle/MoveRule.h"

namespace qv {

namespace {

constexpr StepDirection kDirections[] = {StepDirection::Up, StepDirection::Down,
                                         StepDirection::Left, StepDirection::Right};

}  // namespace

int MakeSteps(const StateCodec& codec, const StateTable& table, const PackedState& state,
              const ShapePositions& shapes, StateSteps& steps) {
    int count = 0;
    std::array<int, kShapeCount> at{};
    for (int k = 0; k < kShapeCount; ++k) at[k] = codec.CellIndex(shapes[k].x, shapes[k].y);
    const bool shared = shapes[0] == shapes[1] || shapes[0] == shapes[2] || shapes[1] == shapes[2];
    for (int k = 0; k < kShapeCount; ++k) {
        const auto kind = static_cast<ShapeKind>(k);
        // A shape sharing its cell with one the game moves first can't be moved at all.
        if (shared && ShapeMovingFrom(shapes, shapes[k]) != kind) continue;
        for (int d = 0; d < kDirectionCount; ++d) {
            TilePos to;
            int cell = -1;
            if (at[k] >= 0) {
                cell = codec.Next(at[k], d);
                if (cell < 0 || cell == at[0] || cell == at[1] || cell == at[2]) continue;
                to = codec.Position(cell);
            } else {
                // A shape still on its off-board start (bad data): the whole placement rule.
                to = StepTarget(shapes[k], kDirections[d]);
                if (!StepAllowed(codec.Width(), codec.Height(), shapes, shapes[k], to.x, to.y))
                    continue;
                cell = codec.CellIndex(to.x, to.y);
                if (cell < 0) continue;
            }
            const TileColor mixed = MixedColor(codec.Color(state, cell), kind);
            if (mixed == TileColor::Black) continue;

            StateStep& next = steps[count++];
            next.state = state;
            codec.SetColor(next.state, cell, mixed);
            codec.SetShape(next.state, kind, cell);
            next.to = to;
            next.mixed = mixed;
            next.move = static_cast<uint8_t>(k * kDirectionCount + d);
            table.Prefetch(next.state);
        }
    }
    return count;
}

std::vector<SolverMove> TraceSteps(StateTable& table, const StateCodec& codec, uint32_t start,
                                   uint32_t goal) {
    std::vector<SolverMove> moves;
    for (uint32_t id = goal; id != start;) {
        const StateTable::Link link = table.LinkOf(id);
        SolverMove move;
        move.shape = static_cast<ShapeKind>(link.Move() / kDirectionCount);
        move.direction = static_cast<StepDirection>(link.Move() % kDirectionCount);
        move.from = codec.Shapes(table.State(link.Parent()))[static_cast<int>(move.shape)];
        moves.push_back(move);
        id = link.Parent();
    }
    std::reverse(moves.begin(), moves.end());
    return moves;
}

}  // namespace qv
