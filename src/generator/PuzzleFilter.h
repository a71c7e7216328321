#pragma once
// What makes a level a good puzzle, and of which grade: the generator keeps a candidate only
// when it passes, and qv-solve --filter holds any level to the same test.
#include <string>

#include "generator/Grade.h"
#include "generator/PuzzleRules.h"
#include "puzzle/LevelMeasures.h"

namespace qv {

struct PuzzleVerdict {
    std::string fault;           // the first rule the level breaks, in words; empty when kept
    Grade grade = Grade::Easy;   // when kept
    bool Kept() const { return fault.empty(); }
};

// `measures` with the first moves; `idleTiles` the coloured tiles that could be white without
// changing the fewest moves (IdleColours), or -1 when that is undecided.
PuzzleVerdict JudgePuzzle(const LevelMeasures& measures, int idleTiles,
                          const PuzzleRules& rules = kPuzzleRules);

// The grade of a level's detour: the highest whose least detour it reaches (easy below all).
Grade GradeOfDetour(int detour, const PuzzleRules& rules = kPuzzleRules);

// Whether the detour reaches the rules' share of `moves`, compared in whole numbers.
bool DetourShareKept(int detour, int moves, const PuzzleRules& rules = kPuzzleRules);

}  // namespace qv
