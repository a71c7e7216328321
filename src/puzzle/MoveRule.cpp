#include "puzzle/MoveRule.h"

#include <cstdlib>

namespace qv {

bool StepAllowed(int width, int height, const ShapePositions& shapes, TilePos from, int toX,
                 int toY) {
    if (toX < 0 || toY < 0 || toX >= width || toY >= height) return false;
    if (!InBoardArray(toX, toY)) return false;
    // Distance 0 needs no test of its own: `from` holds a shape, so the occupancy test refuses it.
    if (std::abs(from.x - toX) + std::abs(from.y - toY) > 1) return false;
    const TilePos to{static_cast<int16_t>(toX), static_cast<int16_t>(toY)};
    for (const TilePos& shape : shapes) {
        if (shape == to) return false;
    }
    return true;
}

std::optional<ShapeKind> ShapeMovingFrom(const ShapePositions& shapes, TilePos from) {
    for (ShapeKind kind : {ShapeKind::Star, ShapeKind::Circle, ShapeKind::Triangle}) {
        if (shapes[static_cast<int>(kind)] == from) return kind;
    }
    return std::nullopt;
}

TileColor ShapeColor(ShapeKind kind) {
    switch (kind) {
    case ShapeKind::Circle: return TileColor::Red;
    case ShapeKind::Star: return TileColor::Yellow;
    case ShapeKind::Triangle: return TileColor::Blue;
    }
    return TileColor::Black;
}

TileColor MixedColor(TileColor old, ShapeKind kind) {
    const int32_t oldBits = static_cast<int32_t>(old);
    const int32_t shapeBits = static_cast<int32_t>(ShapeColor(kind));
    if (shapeBits == 0 || !IsValidColor(oldBits) || old == TileColor::Black) return TileColor::Black;
    // White holds no colour for a shape entering it.
    if (old == TileColor::White) return ShapeColor(kind);
    if (oldBits & shapeBits) return TileColor::Black;
    return static_cast<TileColor>(oldBits | shapeBits);
}

}  // namespace qv
