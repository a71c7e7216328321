#pragma once
// The design measures of a level, taken with the game's own solver: how long it is, how hard
// the solver has to search, how many first moves keep it solvable in the fewest moves and how
// one shortest solution passes the moves between the shapes. The level tools print them and
// the README's level tables show them; kMeasuresHelp says what each one counts.
#include "puzzle/Level.h"
#include "puzzle/Solver.h"

namespace qv {

struct LevelMeasures {
    SolveResult solve;           // the level's own search: fewest moves, states, one solution
    int firstMoves = 0;          // moves the starting position allows
    int optimalFirstMoves = 0;   // of those, the ones a shortest solution can start with
    int traps = 0;               // the others: the level then needs more moves, or has no solution
    int switches = 0;            // changes of the moving shape along solve.solution
    int longestRun = 0;          // most moves in a row by one shape along solve.solution
    // Solved, and every first move decided within the limits; the counts above are only
    // meaningful then.
    bool complete = false;
};

// Every search, the level's and one per first move, gets `limits`. Without `firstMoves` only
// the level's own search runs and the first-move counts stay 0 (the runs are still measured).
// The level's own search is the reference one unless `strategy` says otherwise.
LevelMeasures MeasureLevel(const Level& level, const SolverLimits& limits, bool firstMoves = true,
                           SolveStrategy strategy = SolveStrategy::Reference);

inline constexpr const char kMeasuresHelp[] =
    "  moves        the fewest moves that solve the level (its par)\n"
    "  states       the distinct positions the solver's reference search stored\n"
    "               while finding them (the search the levels were designed with)\n"
    "  best starts  first moves after which the level can still be solved in par\n"
    "  traps        first moves after which it can't: it takes more moves, or has no\n"
    "               solution at all (best starts + traps = the moves the start allows)\n"
    "  switches     how often the moving shape changes along the shortest solution the\n"
    "               reference search returns\n"
    "  longest run  the most moves in a row by one shape along that same solution\n";

}  // namespace qv
