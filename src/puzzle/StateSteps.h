#pragma once
// The moves between packed states that every search over them takes: the positions one move
// leads to, and the moves back from a stored position to the start.
#include <array>
#include <cstdint>
#include <vector>

#include "puzzle/Solver.h"
#include "puzzle/StateCodec.h"
#include "puzzle/StateTable.h"

namespace qv {

constexpr int kDirectionCount = 4;

struct StateStep {
    PackedState state;
    TilePos to;          // where the moving shape arrives
    TileColor mixed;     // the colour it leaves there
    uint8_t move;        // shape * 4 + direction
};
using StateSteps = std::array<StateStep, kShapeCount * kDirectionCount>;

// Every move the game allows from `state`, whose shapes stand on `shapes`; returns how many.
// Their slots in `table` are fetched ahead, so the memory waits of the look-ups overlap.
int MakeSteps(const StateCodec& codec, const StateTable& table, const PackedState& state,
              const ShapePositions& shapes, StateSteps& steps);

// The moves from `start` to `goal` along the table's links.
std::vector<SolverMove> TraceSteps(StateTable& table, const StateCodec& codec, uint32_t start,
                                   uint32_t goal);

}  // namespace qv
