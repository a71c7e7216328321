#include "generator/PuzzleFilter.h"

namespace qv {

namespace {

std::string Number(int value) { return std::to_string(value); }

std::string ShareText(const RuleShare& share) {
    return Number(share.numerator) + "/" + Number(share.denominator);
}

}  // namespace

Grade GradeOfDetour(int detour, const PuzzleRules& rules) {
    Grade grade = Grade::Easy;
    for (int g = 1; g < kGradeCount; ++g) {
        if (detour >= rules.leastDetour[g]) grade = static_cast<Grade>(g);
    }
    return grade;
}

bool DetourShareKept(int detour, int moves, const PuzzleRules& rules) {
    return detour * rules.leastDetourShare.denominator >= moves * rules.leastDetourShare.numerator;
}

PuzzleVerdict JudgePuzzle(const LevelMeasures& m, int idleTiles, const PuzzleRules& rules) {
    PuzzleVerdict verdict;
    const int moves = m.solve.moveCount;
    if (m.solve.outcome != SolveOutcome::Solved) {
        verdict.fault = "no proven shortest solution";
    } else if (!m.complete) {
        verdict.fault = "a first move's search reached the limits";
    } else if (moves < rules.leastMoves) {
        verdict.fault = Number(moves) + " moves, fewer than " + Number(rules.leastMoves);
    } else if (moves > rules.mostMoves) {
        verdict.fault = Number(moves) + " moves, more than " + Number(rules.mostMoves);
    } else if (m.longestRun > rules.longestRun) {
        verdict.fault = "one shape moves " + Number(m.longestRun) + " times in a row";
    } else if (!DetourShareKept(m.detour, moves, rules)) {
        verdict.fault = "a detour of " + Number(m.detour) + " in " + Number(moves) +
                        " moves, less than " + ShareText(rules.leastDetourShare);
    } else if (m.detour < rules.leastDetour[0]) {
        verdict.fault = "a detour of " + Number(m.detour) + ", less than an easy puzzle's " +
                        Number(rules.leastDetour[0]);
    } else if (m.optimalFirstMoves > rules.mostBestStarts) {
        verdict.fault = Number(m.optimalFirstMoves) + " first moves keep par, more than " +
                        Number(rules.mostBestStarts);
    } else if (m.deadStarts == 0 && m.trapDepth < rules.leastTrapDepth) {
        verdict.fault = "no first move costs " + Number(rules.leastTrapDepth) +
                        " moves or more, nor leaves no solution";
    } else if (idleTiles < 0) {
        verdict.fault = "idle colours undecided";
    } else if (idleTiles > 0) {
        verdict.fault = "a colour changes nothing";
    }
    if (verdict.Kept()) verdict.grade = GradeOfDetour(m.detour, rules);
    return verdict;
}

}  // namespace qv
