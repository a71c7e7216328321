#pragma once
// The solver's estimate of the moves a position still needs. It never overestimates, so the
// first solution the search finds is a shortest one.
#include <array>
#include <vector>

#include "puzzle/Level.h"
#include "puzzle/StateCodec.h"

namespace qv {

class MovesLeftBound {
public:
    static constexpr int kUnreachable = -1;

    MovesLeftBound(const StateCodec& codec, const ShapePositions& goals);

    // kUnreachable when some shape can never get home from here.
    int Estimate(const PackedState& state, const ShapePositions& shapes) const;

private:
    void WalkFrom(const std::vector<TilePos>& cells, int from);
    int Walk(TilePos from, TilePos to) const;
    bool MustCallAt(const PackedState& state, const ShapePositions& shapes, int owner,
                    int visitor) const;

    const StateCodec& codec_;
    ShapePositions goals_;
    std::array<int, kShapeCount> goalCells_{};
    int cellCount_ = 0;
    std::vector<int> steps_;  // [from cell * cellCount_ + to cell]
};

}  // namespace qv
