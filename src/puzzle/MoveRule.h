#pragma once
// The move rule without a Level around it, so that the game and the solver apply the very same
// test and can never drift apart.
#include <array>
#include <optional>

#include "puzzle/Types.h"

namespace qv {

// Shape positions indexed by ShapeKind.
using ShapePositions = std::array<TilePos, kShapeCount>;

// The placement half of the rule: a shape on `from` may step to (toX, toY) only inside the
// width x height board (and the 9 x 7 array), exactly one cell across or down, and never onto
// a shape. The colour half is MixedColor.
bool StepAllowed(int width, int height, const ShapePositions& shapes, TilePos from, int toX,
                 int toY);

// The colour a shape of `kind` leaves on a tile of colour `old`, or Black when it may not
// enter. The whole move rule's colour table.
TileColor MixedColor(TileColor old, ShapeKind kind);

// The colour a shape carries: circle red, star yellow, triangle blue.
TileColor ShapeColor(ShapeKind kind);

// The shape a move from `from` takes: the star first, then the circle, then the triangle, so that
// when bad data put two shapes on one cell the game and the solver move the same one.
std::optional<ShapeKind> ShapeMovingFrom(const ShapePositions& shapes, TilePos from);

}  // namespace qv
