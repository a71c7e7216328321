#pragma once
// The move rule without a Level around it, so that the game and the solver apply the very same
// test and can never drift apart.
#include <array>

#include "puzzle/Types.h"

// Shape positions indexed by ShapeKind.
using ShapePositions = std::array<TilePos, kShapeCount>;

// The placement half of the rule: a shape on `from` may step to (toX, toY) only inside the
// width x height board (and the 9 x 7 array), exactly one cell across or down, and never onto
// a shape. The colour half is MixedColor (Level.h).
bool StepAllowed(int width, int height, const ShapePositions& shapes, TilePos from, int toX,
                 int toY);
