#pragma once
// The solver's estimate of the moves a position still needs. It never overestimates, so the
// first solution the search finds is a shortest one.
#include <array>
#include <climits>
#include <cstdint>

#include "puzzle/CellGrid.h"
#include "puzzle/Level.h"
#include "puzzle/Solver.h"
#include "puzzle/StateCodec.h"

namespace qv {

class MovesLeftBound {
public:
    static constexpr int kUnreachable = -1;
    // For each shape, the open cells whose colour holds its primary, as bits x * 7 + y.
    using Holding = std::array<uint64_t, kShapeCount>;

    MovesLeftBound(const StateCodec& stateCodec, const ShapePositions& shapeGoals,
                   SolveStrategy strategy = SolveStrategy::Fast);

    // kUnreachable when some shape can never get home from here. `holding` as
    // StateCodec::HoldingMasks gives it for the position. Once the estimate is known to pass
    // `enough`, a smaller one past it may come back, found with less work.
    int Estimate(const Holding& holding, const ShapePositions& shapes, int enough = INT_MAX) const;

private:
    using Cells = std::array<int, kShapeCount>;

    int ReferenceEstimate(const Holding& holding, const ShapePositions& shapes,
                          const Cells& at) const;
    int Walk(TilePos from, int fromCell, int to) const;
    int Tour(int k, TilePos from, int fromCell, uint64_t visits) const;
    int RouteExtra(int k, int via, const Holding& holding, const ShapePositions& shapes, const Cells& at,
                   const Cells& least, int floor) const;

    const StateCodec& codec;
    CellGrid grid;
    ShapePositions goals;
    bool reference;
    Cells goalCells{};
    std::array<std::array<uint8_t, 64>, 64> steps{};  // [from][to] over open cells
    // [from][to]: the cells every walk between two open cells enters, `to` among them.
    std::array<std::array<uint64_t, 64>, 64> between{};
};

}  // namespace qv
