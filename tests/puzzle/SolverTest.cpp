#include <gtest/gtest.h>

#include <memory>

#include "LevelTestSupport.h"
#include "puzzle/SolveSearch.h"
#include "puzzle/Solver.h"

using namespace qv;

namespace {

// Replays a solution with the game's own move rule and says whether it ends solved.
bool ReplaySolves(Level level, const std::vector<SolverMove>& moves) {
    for (const SolverMove& move : moves) {
        if (level.ShapePos(move.shape) != move.from) return false;
        const TilePos to = StepTarget(move.from, move.direction);
        if (!level.MoveShape(move.from, to.x, to.y)) return false;
    }
    return level.IsSolved();
}

// All white, 9 by 7, the shapes crossing it corner to corner.
Level OpenWhiteBoard() {
    std::string numbers = "9 7";
    for (int i = 0; i < 63; ++i) numbers += " 7";
    return BoardFrom(numbers + " 0 0 0 1 1 0 8 6 8 5 7 6");
}

TEST(Solver, MixingBoardNeedsFifteenMoves) {
    const Level level = BoardFrom(kMixingBoard);
    const SolveResult result = SolveLevel(level);
    ASSERT_EQ(result.outcome, SolveOutcome::Solved);
    EXPECT_EQ(result.moveCount, 15);
    EXPECT_EQ(result.solution.size(), 15u);
    EXPECT_TRUE(ReplaySolves(level, result.solution));
    EXPECT_GT(result.statesExplored, 0u);
}

TEST(Solver, KnownOptimumNeedsADetour) {
    // 3 by 3 white board but for a yellow centre the star may not cross: star (0,1) to (2,1)
    // along the bottom row in four moves, since circle and triangle sit home on the top row.
    const Level level = BoardFrom("3 3 7 7 7 7 2 7 7 7 7 0 0 0 1 2 0 0 0 2 1 2 0");
    const SolveResult result = SolveLevel(level);
    ASSERT_EQ(result.outcome, SolveOutcome::Solved);
    EXPECT_EQ(result.moveCount, 4);
    EXPECT_TRUE(ReplaySolves(level, result.solution));
}

TEST(Solver, AlreadySolved) {
    const Level level = BoardFrom("3 1 7 7 7 0 0 1 0 2 0 0 0 1 0 2 0");
    const SolveResult result = SolveLevel(level);
    EXPECT_EQ(result.outcome, SolveOutcome::Solved);
    EXPECT_EQ(result.moveCount, 0);
    EXPECT_TRUE(result.solution.empty());
}

TEST(Solver, Unsolvable) {
    // A one-row corridor: the circle and the star cannot pass each other.
    EXPECT_EQ(SolveLevel(BoardFrom("4 1 7 7 7 7 0 0 1 0 3 0 1 0 0 0 3 0")).outcome,
              SolveOutcome::Unsolvable);
    // A goal on a missing tile.
    EXPECT_EQ(SolveLevel(BoardFrom("4 1 7 0 7 7 0 0 2 0 3 0 1 0 2 0 3 0")).outcome,
              SolveOutcome::Unsolvable);
}

TEST(Solver, LimitsGiveUndecided) {
    const Level level = BoardFrom(kMixingBoard);
    SolverLimits limits;
    limits.maxStates = 10;
    const SolveResult result = SolveLevel(level, limits);
    EXPECT_EQ(result.outcome, SolveOutcome::Undecided);
    EXPECT_LE(result.statesExplored, 10u);
    EXPECT_TRUE(result.solution.empty());
}

// The game runs searches a slice at a time between frames: cutting a search into the smallest
// slices must not change its answer, and the level may be gone before it ends.
TEST(Solver, SlicedSearchGivesTheSameAnswer) {
    const SolveResult whole = SolveLevel(OpenWhiteBoard());
    auto level = std::make_unique<Level>(OpenWhiteBoard());
    SolveSearch search(*level, {});
    level.reset();
    int slices = 0;
    while (!search.Advance(1e-9)) ++slices;
    EXPECT_GT(slices, 0);
    EXPECT_EQ(search.Result().moveCount, whole.moveCount);
    EXPECT_EQ(search.Result().statesExplored, whole.statesExplored);
    EXPECT_TRUE(search.Advance(1e-9));  // a finished search stays finished
}

TEST(Solver, MaxMovesLeavesOutLongerSolutions) {
    const Level level = BoardFrom(kMixingBoard);
    SolverLimits limits;
    limits.maxMoves = 15;
    EXPECT_EQ(SolveLevel(level, limits).moveCount, 15);
    limits.maxMoves = 14;
    EXPECT_EQ(SolveLevel(level, limits).outcome, SolveOutcome::Unsolvable);
}

TEST(Solver, OpenWhiteBoardIsQuick) {
    const Level level = OpenWhiteBoard();
    SolverLimits limits;
    limits.maxSeconds = 20;
    const SolveResult result = SolveLevel(level, limits);
    ASSERT_EQ(result.outcome, SolveOutcome::Solved);
    EXPECT_EQ(result.moveCount, 38);  // the three distances: 14 + 12 + 12
    EXPECT_TRUE(ReplaySolves(level, result.solution));
}

TEST(Solver, ShapeStartingOffTheBoardCanStepOn) {
    // Bad data: the triangle stands just right of a 2 by 1 board and its goal is on the board.
    const Level level = BoardFrom("2 1 7 7 0 0 5 5 2 0 0 0 5 5 1 0");
    const SolveResult result = SolveLevel(level);
    ASSERT_EQ(result.outcome, SolveOutcome::Solved);
    EXPECT_EQ(result.moveCount, 1);
    EXPECT_TRUE(ReplaySolves(level, result.solution));
}

TEST(Solver, DescribesMoves) {
    SolverMove move;
    move.shape = ShapeKind::Star;
    move.from = At(3, 2);
    move.direction = StepDirection::Right;
    EXPECT_EQ(DescribeMove(move), "star (3,2) right");
    EXPECT_EQ(StepTarget(At(3, 2), StepDirection::Up), At(3, 1));
}

}  // namespace
