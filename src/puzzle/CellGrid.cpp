#include "puzzle/CellGrid.h"

namespace qv {

CellGrid::CellGrid(const StateCodec& codec) {
    for (int x = 0; x < codec.Width(); ++x) {
        for (int y = 0; y < codec.Height(); ++y) {
            if (codec.CellIndex(x, y) >= 0) open |= Mask(x * kMaxHeight + y);
        }
    }
}

std::vector<uint64_t> CellGrid::PiecesWithout(int cut) const {
    std::vector<uint64_t> pieces;
    for (uint64_t left = open & ~Mask(cut); left; left &= ~pieces.back()) {
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
