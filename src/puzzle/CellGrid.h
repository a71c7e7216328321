#pragma once
// The open cells of a board as the bits x * 7 + y of one 64-bit mask, so the solver's bounds
// can walk the board a whole front at a time with a few bit operations.
#include <cstdint>
#include <vector>

#include "puzzle/StateCodec.h"
#include "puzzle/Types.h"

namespace qv {

// The bits of row y.
constexpr uint64_t GridRowBits(int y) {
    uint64_t bits = 0;
    for (int x = 0; x < kMaxWidth; ++x) bits |= uint64_t{1} << (x * kMaxHeight + y);
    return bits;
}

class CellGrid {
public:
    explicit CellGrid(const StateCodec& codec);

    static int Bit(TilePos pos) { return pos.x * kMaxHeight + pos.y; }
    static uint64_t Mask(int bit) { return uint64_t{1} << bit; }
    static bool Has(uint64_t cells, int bit) { return ((cells >> bit) & 1) != 0; }
    static int Lowest(uint64_t cells) { return __builtin_ctzll(cells); }

    uint64_t Open() const { return open; }
    // The open cells one step from any of `cells` (a step up or down must not wrap from one
    // column into the next).
    uint64_t Neighbours(uint64_t cells) const {
        return (((cells >> 1) & ~kBottomRow) | ((cells << 1) & ~kTopRow) | (cells >> kMaxHeight) |
                (cells << kMaxHeight)) &
               open;
    }
    // The connected pieces the open cells fall into without the cell `cut`.
    std::vector<uint64_t> PiecesWithout(int cut) const;

private:
    static constexpr uint64_t kTopRow = GridRowBits(0);
    static constexpr uint64_t kBottomRow = GridRowBits(kMaxHeight - 1);

    uint64_t open = 0;
};

}  // namespace qv
