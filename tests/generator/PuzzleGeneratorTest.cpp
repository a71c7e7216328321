#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "generator/DailyPuzzle.h"
#include "generator/PuzzleFilter.h"
#include "generator/PuzzleGenerator.h"
#include "puzzle/LevelMeasures.h"
#include "puzzle/MeasureSearch.h"
#include "puzzle/LevelTestSupport.h"

using namespace qv;

namespace {

std::string LevelText(const Level& level) {
    std::ostringstream text;
    level.WriteLevel(text);
    return text.str();
}

GeneratedPuzzle Generate(Grade grade, uint32_t seed, double sliceSeconds = 0) {
    PuzzleGenerator generator(grade, seed);
    int slices = 1;
    while (!generator.Advance(sliceSeconds)) ++slices;
    if (sliceSeconds > 0) {
        EXPECT_GT(slices, 10) << "the run was not cut into slices";
    }
    return generator.Result();
}

// "Through The Star's Home", the eleventh level of "mixing matters": 17 moves, detour 10, one
// best start, a trap of 6 moves.
constexpr char kGoodPuzzle[] = "5 3 7 7 0 7 7 7 5 7 7 7 7 7 0 7 7 0 1 3 0 3 2 0 2 2 1 1 2";

}  // namespace

// A seed must make the same puzzle on every run, whether in one go or in slices of a
// millisecond, as the game makes the next puzzle while the player plays.
TEST(PuzzleGenerator, SameSeedSameLevelWholeOrInSlices) {
    const GeneratedPuzzle whole = Generate(Grade::Easy, 17);
    ASSERT_TRUE(whole.found);
    EXPECT_GT(whole.drafts, 1);  // the seed drafts again: every stage is passed through
    const GeneratedPuzzle sliced = Generate(Grade::Easy, 17, 0.001);
    EXPECT_EQ(LevelText(whole.level), LevelText(sliced.level));
    EXPECT_EQ(whole.measures.solve.moveCount, sliced.measures.solve.moveCount);
}

// Every grade's puzzle: its par replays as a solution, a search of its own (the game's fast
// one, without the generator's limits) finds no shorter, and the filter keeps it with the grade
// asked for, idle colours included.
TEST(PuzzleGenerator, EveryGradesParIsProvenAndPassesTheFilter) {
    const std::pair<Grade, uint32_t> quick[] = {
        {Grade::Easy, 7}, {Grade::Medium, 4}, {Grade::Hard, 11}, {Grade::Expert, 3}};
    for (const auto& [grade, seed] : quick) {
        SCOPED_TRACE(GradeName(grade));
        const GeneratedPuzzle puzzle = Generate(grade, seed);
        ASSERT_TRUE(puzzle.found);
        const SolveResult& par = puzzle.measures.solve;
        EXPECT_TRUE(ReplaySolves(puzzle.level, par.solution));
        EXPECT_EQ(par.moveCount, static_cast<int>(par.solution.size()));

        const LevelMeasures again = MeasureLevel(puzzle.level, {}, true, SolveStrategy::Fast);
        EXPECT_EQ(par.moveCount, again.solve.moveCount);
        bool undecided = true;
        const auto idle = IdleColours(puzzle.level, par.moveCount, {}, undecided);
        const PuzzleVerdict verdict =
            JudgePuzzle(again, undecided ? -1 : static_cast<int>(idle.size()));
        EXPECT_EQ("", verdict.fault);
        EXPECT_EQ(grade, verdict.grade);
    }
}

// The puzzle of a day must not change from one version of the game to the next, nor between
// the desktop and the browser: players share their results and keep records of past days. (The
// web edition's build of this level was compared by hand: it is the same.) A
// change of the generator, of tools/levels/rules.txt or of the reference search that changes
// this level changes every generated puzzle: then the link version in PuzzleKeys.cpp must
// change too, and this level with it.
TEST(PuzzleGenerator, TheDailyPuzzleStaysTheSame) {
    const CalendarDate monday{2026, 12, 7};
    const PuzzleSeed day = DailyPuzzle(monday);
    GeneratedPuzzle puzzle = Generate(day.grade, day.seed);
    EXPECT_EQ(Grade::Easy, day.grade);
    EXPECT_EQ("4 4 7 7 7 7 7 0 0 7 7 7 0 3 7 7 7 7 0 1 0 3 3 1 3 0 2 3 2 0\nEasy 3083418905",
              LevelText(puzzle.level));
    EXPECT_EQ(14, puzzle.measures.solve.moveCount);
}

// The filter holds a level to tools/levels/rules.txt as compiled in: a good hand-made puzzle
// passes with the grade of its detour, and the same with a shape walking 7 moves in a row
// does not.
TEST(PuzzleFilter, KeepsAGoodPuzzleAndRejectsALongRun) {
    LevelMeasures measures = MeasureLevel(BoardFrom(kGoodPuzzle), {});
    PuzzleVerdict verdict = JudgePuzzle(measures, 0);
    EXPECT_EQ("", verdict.fault);
    EXPECT_EQ(Grade::Medium, verdict.grade);

    measures.longestRun = 7;
    EXPECT_EQ("one shape moves 7 times in a row", JudgePuzzle(measures, 0).fault);
    measures.longestRun = 6;
    EXPECT_EQ("a colour changes nothing", JudgePuzzle(measures, 1).fault);
}
