#include "puzzle/CellGrid.h"

namespace qv {

namespace {

constexpr uint64_t RowBits(int y) {
    uint64_t bits = 0;
    for (int x = 0; x < kMaxWidth; ++x) bits |= uint64_t{1} << (x * kMaxHeight + y);
    return bits;
}
// A step up or down must not wrap from one column into the next.
constexpr uint64_t kTopRow = RowBits(0);
constexpr uint64_t kBottomRow = RowBits(kMaxHeight - 1);

}  // namespace

CellGrid::CellGrid(const StateCodec& codec) {
    for (int x = 0; x < codec.Width(); ++x) {
        for (int y = 0; y < codec.Height(); ++y) {
            if (codec.CellIndex(x, y) >= 0) open_ |= Mask(x * kMaxHeight + y);
        }
    }
}

uint64_t CellGrid::Neighbours(uint64_t cells) const {
    return (((cells >> 1) & ~kBottomRow) | ((cells << 1) & ~kTopRow) | (cells >> kMaxHeight) |
            (cells << kMaxHeight)) &
           open_;
}

std::vector<uint64_t> CellGrid::PiecesWithout(int cut) const {
    std::vector<uint64_t> pieces;
    for (uint64_t left = open_ & ~Mask(cut); left; left &= ~pieces.back()) {
        uint64_t piece = Mask(Lowest(left));
        for (uint64_t front = piece; front;) {
            front = Neighbours(front) & ~piece & ~Mask(cut);
            piece |= front;
        }
        pieces.push_back(piece);
    }
    return pieces;
}

}  // namespace qv
