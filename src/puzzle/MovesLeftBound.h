#pragma once
// The solver's estimate of the moves a position still needs. It never overestimates, so the
// first solution the search finds is a shortest one.
#include <array>
#include <cstdint>

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
    // A way home for one shape: the moves it walks at least, beyond its least walk, and what it
    // makes each other shape walk beyond theirs by the tile they must clear for it.
    struct Route {
        int own = 0;
        std::array<int, kShapeCount> help{};
    };
    static constexpr int kMaxRoutes = kCellCount + 2;
    struct Routes {
        int count = 0;
        std::array<Route, kMaxRoutes> list;
    };

    // Cells are bits x * 7 + y of one 64-bit mask; -1 stands for a shape off the open cells.
    uint64_t Neighbours(uint64_t cells) const;
    int Steps(int from, int to) const;
    int Walk(TilePos from, int fromCell, int to) const;
    bool FindRoutes(int k, const std::array<uint64_t, kShapeCount>& holding,
                    const std::array<int, kShapeCount>& at, const ShapePositions& shapes,
                    const std::array<int, kShapeCount>& least, Routes& routes) const;

    const StateCodec& codec_;
    ShapePositions goals_;
    std::array<int, kShapeCount> goalCells_{};
    uint64_t open_ = 0;
    std::array<std::array<uint8_t, 64>, 64> steps_{};  // [from][to]; kFar when no walk
};

}  // namespace qv
