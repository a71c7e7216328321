#pragma once
// The numbers that decide which generated levels are good puzzles, and of which grade. They are
// the level tools' own, tools/levels/rules.txt, compiled in (one file for the rules every level
// keeps, hand-made or generated); docs/generator.md says why each is where it is.
#include <array>

#include "generator/Grade.h"
#include "generator/RuleShare.h"

namespace qv {

struct PuzzleRules {
    int leastMoves = 0;        // fewer moves and the puzzle is over before it starts
    int mostMoves = 0;         // more is a grind
    int longestRun = 0;        // more moves in a row by one shape is a walk
    int mostBestStarts = 0;    // more first moves that keep par give the start away
    int leastTrapDepth = 0;    // some first move costs this many moves, or leaves no solution
    RuleShare leastDetourShare;  // of the moves, the share the detour must reach
    std::array<int, kGradeCount> leastDetour{};  // each grade's least detour
};

// The rules as tools/levels/rules.txt held them when the game was built.
extern const PuzzleRules kPuzzleRules;

}  // namespace qv
