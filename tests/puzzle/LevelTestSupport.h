#pragma once
// Small builders shared by the puzzle tests.
#include <string>
#include <vector>

#include "puzzle/Level.h"
#include "puzzle/Solver.h"

using namespace qv;

// The 6 by 3 "Mixing Colors" board: circle (0,2), star (0,1), triangle (0,0), goals in column 5.
inline const char kMixingBoard[] = "6 3 7 2 1 3 7 7 7 1 4 5 7 7 7 4 2 6 7 7 0 2 0 1 0 0 5 2 5 1 5 0";

inline Level BoardFrom(const std::string& numbers) {
    return ParseLevelString(numbers, "Test", "", "", "");
}

// 9 by 7: the circle and the star shut in swapped on a two-tile strip (no way home), while the
// triangle (0,2) has 45 white tiles to wander over, far too many positions to search through
// within the game's limits.
inline std::string SealedSwapBoard() {
    std::string numbers = "9 7 7 7 0 0 0 0 0 0 0";
    for (int i = 0; i < 9; ++i) numbers += " 0";
    for (int i = 0; i < 45; ++i) numbers += " 7";
    return numbers + " 0 0 1 0 0 2 1 0 0 0 8 6";
}

inline TilePos At(int x, int y) { return {static_cast<int16_t>(x), static_cast<int16_t>(y)}; }

// Replays a solver's answer with the game's own move rule, each move by the shape it names, and
// says whether it ends solved.
inline bool ReplaySolves(Level level, const std::vector<SolverMove>& moves) {
    for (const SolverMove& move : moves) {
        const TilePos to = StepTarget(move.from, move.direction);
        if (level.ShapePos(move.shape) != move.from || !level.MoveShape(move.from, to.x, to.y))
            return false;
    }
    return level.IsSolved();
}
