#include "generator/ClimbScore.h"

#include <algorithm>

#include "generator/BoardDraft.h"
#include "generator/PuzzleFilter.h"

namespace qv {

namespace {

// How far `value` lies outside [least, most].
int Outside(int value, int least, int most) {
    return value < least ? least - value : value > most ? value - most : 0;
}

int MostDetour(Grade grade, const PuzzleRules& rules) {
    const int next = static_cast<int>(grade) + 1;
    return next < kGradeCount ? rules.leastDetour[next] - 1 : INT_MAX;
}

// The detour still missing for the share of the moves the rules ask for.
int ShareShortfall(const LevelMeasures& m, const PuzzleRules& rules) {
    const RuleShare& share = rules.leastDetourShare;
    const int needed = (m.solve.moveCount * share.numerator + share.denominator - 1) /
                       share.denominator;
    return std::max(0, needed - m.detour);
}

}  // namespace

int ClimbScore(const Level& level, const LevelMeasures& m, Grade grade, const PuzzleRules& rules) {
    if (m.solve.outcome != SolveOutcome::Solved) return kNoScore;
    // Every move a rule is missed by costs alike, and more than all the rewards beyond the rules
    // together.
    constexpr int kMiss = 100;
    int score = 0;
    score -= kMiss * Outside(m.detour, rules.leastDetour[static_cast<int>(grade)],
                             MostDetour(grade, rules));
    score -= kMiss * Outside(m.solve.moveCount, rules.leastMoves, rules.mostMoves);
    score -= kMiss * std::max(0, m.longestRun - rules.longestRun);
    score -= kMiss * ShareShortfall(m, rules);
    if (m.complete) {
        score -= kMiss * std::max(0, m.optimalFirstMoves - rules.mostBestStarts);
        if (m.deadStarts == 0) score -= kMiss / 2 * std::max(0, rules.leastTrapDepth - m.trapDepth);
        // Beyond the rules, deeper and more traps make a better puzzle.
        score += std::min(m.trapDepth, 12) + 2 * m.traps + (m.deadStarts > 0 ? 4 : 0);
    }
    // The fewer colours, the plainer the idea.
    return score - ColouredTiles(level);
}

bool ShapeKept(const LevelMeasures& m, Grade grade, const PuzzleRules& rules) {
    return m.solve.outcome == SolveOutcome::Solved &&
           Outside(m.solve.moveCount, rules.leastMoves, rules.mostMoves) == 0 &&
           m.longestRun <= rules.longestRun &&
           DetourShareKept(m.detour, m.solve.moveCount, rules) &&
           Outside(m.detour, rules.leastDetour[static_cast<int>(grade)],
                   MostDetour(grade, rules)) == 0;
}

bool StartsKept(const LevelMeasures& m, Grade grade, const PuzzleRules& rules) {
    return ShapeKept(m, grade, rules) && m.complete &&
           m.optimalFirstMoves <= rules.mostBestStarts &&
           (m.deadStarts > 0 || m.trapDepth >= rules.leastTrapDepth);
}

}  // namespace qv
