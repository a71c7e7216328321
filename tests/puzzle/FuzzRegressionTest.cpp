// Inputs the level fuzzer found that break a promise of the puzzle core.
#include <gtest/gtest.h>

#include <sstream>

#include "LevelTestSupport.h"
#include "puzzle/SolveSearch.h"

using namespace qv;

namespace {

// Plays a solver's answer with the game's own move rule.
bool ReplaySolves(Level level, const SolveResult& result) {
    for (const SolverMove& move : result.solution) {
        const TilePos to = StepTarget(move.from, move.direction);
        if (!level.MoveShape(move.from, to.x, to.y)) return false;
    }
    return level.IsSolved();
}

}  // namespace

// A bad file can put two shapes on one tile. MoveShape then always moves the star first, then
// the circle; a solution that moves the lower shape off such a tile can't be played.
TEST(FuzzRegression, SolverAnswerIsPlayableWhenTwoShapesShareATile) {
    // Star and triangle on (0, 0); the triangle's goal is (1, 0), the star's (0, 0).
    const Level level = BoardFrom("3 1 7 7 7  2 0 0 0 0 0  2 0 0 0 1 0");
    const SolveResult result = SolveLevel(level, {10000, 0});
    if (result.outcome == SolveOutcome::Solved) {
        EXPECT_TRUE(ReplaySolves(level, result)) << result.solution.size() << " moves";
    }
}

// What the fuzzer checks on every level, kept for the layouts it found: a solution it returns
// is made of allowed moves and ends with every shape home.
TEST(FuzzRegression, SolutionsReplayWithTheMoveRule) {
    for (const char* numbers : {kMixingBoard, "3 3 2 7 2 7 2 7 7 7 7 0 0 1 0 2 0 0 2 1 2 2 2",
                                "3 1 7 7 7 -5 300 32767 -32768 2 0 2 0 1 0 0 0"}) {
        const Level level = BoardFrom(numbers);
        const SolveResult result = SolveLevel(level, {100000, 0});
        if (result.outcome != SolveOutcome::Solved) continue;
        EXPECT_TRUE(ReplaySolves(level, result)) << numbers;
    }
}

// A carriage return is a line end only before a line feed. A name or text line read from
// "...\r\r\n" keeps one, and must load back with it from the file the editor writes.
TEST(FuzzRegression, ANameEndingInACarriageReturnLoadsBackTheSame) {
    Level level;
    level.filePath = "fuzz.level";
    std::istringstream in("3 3 2 7 2 7 2 7 7 7 7 0 0 1 0 2 0 0 2 1 2 2 2\r\nName\r\r\nIntro\r\r\n");
    level.ReadLevel(in);
    ASSERT_EQ(level.name, "Name\r");
    std::ostringstream out;
    level.WriteLevel(out);
    std::istringstream back(out.str());
    Level reread;
    reread.ReadLevel(back);
    EXPECT_TRUE(reread.SameContent(level));
    EXPECT_EQ(reread.introText, "Intro\r\n");
}
