#pragma once
// The boards the generator starts from and the small changes it climbs by. A draft is what the
// hand-made levels look like at first glance: a board a little larger for each grade, a share of
// its cells missing (often in a mirrored pattern), nearly all tiles white, and the three shapes
// and their goals anywhere. Only the solver can tell whether it is a puzzle.
#include "generator/Grade.h"
#include "generator/PuzzleRandom.h"
#include "puzzle/Level.h"

namespace qv {

// A board for `grade`: its tiles all connected, no empty edge row or column, every shape and
// goal on a tile, no two shapes and no two goals on one tile.
Level DraftLevel(Grade grade, PuzzleRandom& random);

// `level` with one change, sometimes two or three: a tile's colour, a missing cell, a shape's
// or a goal's place. Keeps what DraftLevel promises.
Level MutatedLevel(const Level& level, PuzzleRandom& random);

// The tiles that are neither white nor missing.
int ColouredTiles(const Level& level);

// Whether a shape or a goal stands on `pos`.
bool HoldsPiece(const Level& level, TilePos pos);

// Every tile reachable from every other.
bool TilesConnected(const Level& level);

// The level moved to the top left corner and cut to the rows and columns that hold tiles.
Level CroppedLevel(const Level& level);

}  // namespace qv
