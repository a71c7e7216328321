#pragma once
// The design measures of a level, taken with the game's own solver: how long it is, how far it
// forces the shapes beyond walking home, how hard the solver has to search, what the first moves
// cost and how one shortest solution passes the moves between the shapes. The level tools print
// them, the level tables of docs/levels.md show them, and a generator in the game can rank its
// candidates by them (MeasureLevel, in MeasureSearch.h); kMeasuresHelp says what each one counts.
#include <vector>

#include "puzzle/Level.h"
#include "puzzle/Solver.h"

namespace qv {

struct LevelMeasures {
    SolveResult solve;           // the level's own search: fewest moves, states, one solution
    int walk = 0;                // each shape's shortest walk home on the open board, summed
    int detour = 0;              // fewest moves minus walk: the moves the puzzle forces
    int firstMoves = 0;          // moves the starting position allows
    int optimalFirstMoves = 0;   // of those, the ones a shortest solution can start with
    int traps = 0;               // the others: the level then needs more moves, or has no solution
    int trapDepth = 0;           // the most moves a trap that still leaves a solution costs
    int deadStarts = 0;          // the traps after which the level has no solution at all
    int switches = 0;            // changes of the moving shape along solve.solution
    int longestRun = 0;          // most moves in a row by one shape along solve.solution
    // Solved, and every first move decided within the limits; the first-move counts are only
    // meaningful then.
    bool complete = false;
};

// Fills in walk, detour, switches and longest run from a solved measures.solve.
void MeasureSolution(const Level& level, LevelMeasures& measures);

// The shortest walk of a shape from `from` to `to` over the level's tiles, ignoring colours and
// the other shapes; -1 when no tiles connect them.
int OpenBoardWalk(const Level& level, TilePos from, TilePos to);

// The three shapes' walks home, summed: the walk that the detour is measured from.
int OpenBoardWalks(const Level& level);

// The tiles of `from`'s colour that touch it, one through another: a coloured area, which
// matters as a whole even where no single tile of it does.
std::vector<TilePos> SameColourArea(const Level& level, TilePos from);

// The coloured tiles (neither white nor missing) that could be white without changing the
// level's fewest moves `par`: colours the puzzle does not rest on. Tiles of one colour that touch
// are whitened together, as one area: a wall matters as a whole even where no single tile of it
// does. `undecided` is set when a search reached the limits (its area is then not listed).
std::vector<TilePos> IdleColours(const Level& level, int par, const SolverLimits& limits,
                                 bool& undecided);

inline constexpr const char kMeasuresHelp[] =
    "  moves        the fewest moves that solve the level (its par)\n"
    "  detour       moves minus the walk: each shape's shortest walk home on the open\n"
    "               board (every tile of the level, colours and the other shapes\n"
    "               ignored), summed; the moves the puzzle forces beyond walking\n"
    "  states       the distinct positions the solver's reference search stored\n"
    "               while finding them (the search the levels were designed with)\n"
    "  best starts  first moves after which the level can still be solved in par\n"
    "  traps        first moves after which it can't: it takes more moves, or has no\n"
    "               solution at all (best starts + traps = the moves the start allows)\n"
    "  trap depth   the most moves a trap costs among those that leave a solution\n"
    "  dead starts  the traps that leave no solution at all\n"
    "  switches     how often the moving shape changes along the shortest solution the\n"
    "               reference search returns\n"
    "  longest run  the most moves in a row by one shape along that same solution\n"
    "  idle colours (--colours) coloured tiles that could be white without changing\n"
    "               the fewest moves; tiles of one colour that touch count as one area,\n"
    "               whitened together\n";

}  // namespace qv
