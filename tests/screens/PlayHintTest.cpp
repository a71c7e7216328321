// The hint's move and outcomes, worked out without the screen: every hint must take exactly
// one move off the fewest still needed, and a search cut short must never pass for a dead end.
#include <gtest/gtest.h>

#include <string>

#include "content/Tutorial.h"
#include "puzzle/Level.h"
#include "puzzle/LevelTestSupport.h"
#include "puzzle/SolveSearch.h"
#include "screens/PlayHint.h"

using namespace qv;

namespace {

Level Board(const std::string& numbers) { return ParseLevelString(numbers, "Test", "", "", ""); }

// The game's state budget without its clock: a slow (sanitizer) build or a busy machine must
// not turn a hint into "out of time" here.
constexpr SolverLimits kStatesOnly{kHintLimits.maxStates, 0};

// Fewest moves home from the level's position, without limits.
int Optimum(const Level& level) {
    const SolveResult result = SolveLevel(level);
    EXPECT_EQ(result.outcome, SolveOutcome::Solved);
    return result.moveCount;
}

bool Play(Level& level, const SolverMove& move) {
    const TilePos to = StepTarget(move.from, move.direction);
    return level.MoveShape(move.from, to.x, to.y);
}

// Asks for a hint, plays it and checks that it brought the shapes one move nearer home.
void PlayHintAndExpectOneMoveGained(Level& level, const std::string& where) {
    const int before = Optimum(level);
    const Hint hint = FindHint(level, kStatesOnly);
    ASSERT_EQ(hint.outcome, HintOutcome::Move) << where;
    EXPECT_EQ(level.ShapePos(hint.move.shape), hint.move.from) << where;
    ASSERT_TRUE(Play(level, hint.move)) << where << ": the hinted move is refused";
    EXPECT_EQ(Optimum(level), before - 1) << where;
}

TEST(PlayHint, EveryTutorialPositionOnAShortestPathGetsTheNextShortestMove) {
    for (int i = 0; i < kTutorialLevelCount; ++i) {
        const Level start = TutorialLevel(i);
        const SolveResult known = SolveLevel(start);
        ASSERT_EQ(known.outcome, SolveOutcome::Solved) << "tutorial " << i;
        for (std::size_t k = 0; k < known.solution.size(); ++k) {
            Level level = start;
            for (std::size_t m = 0; m < k; ++m) ASSERT_TRUE(Play(level, known.solution[m]));
            PlayHintAndExpectOneMoveGained(
                level, "tutorial " + std::to_string(i) + " after " + std::to_string(k) + " moves");
        }
        Level done = start;
        for (const SolverMove& move : known.solution) ASSERT_TRUE(Play(done, move));
        EXPECT_EQ(FindHint(done, kStatesOnly).outcome, HintOutcome::AlreadySolved) << "tutorial " << i;
    }
}

TEST(PlayHint, HintsLeadHomeShortestFromAWrongTurn) {
    // A hint worked out for the start, or along the first solution found, would go astray
    // once the player has left every shortest path.
    int detours = 0;
    for (int i = 0; i < kTutorialLevelCount; ++i) {
        const Level start = TutorialLevel(i);
        const int startOptimum = Optimum(start);
        Level level = start;
        bool detoured = false;
        for (int k = 0; k < kShapeCount && !detoured; ++k) {
            for (int d = 0; d < 4 && !detoured; ++d) {
                Level tried = start;
                const auto shape = static_cast<ShapeKind>(k);
                const SolverMove move{shape, start.ShapePos(shape), static_cast<StepDirection>(d)};
                if (!Play(tried, move)) continue;
                const SolveResult after = SolveLevel(tried);
                const bool wrongTurn =
                    after.outcome == SolveOutcome::Solved && after.moveCount >= startOptimum;
                if (!wrongTurn) continue;
                level = tried;
                detoured = true;
            }
        }
        if (!detoured) continue;
        ++detours;
        const int remaining = Optimum(level);
        for (int step = 0; step < remaining; ++step) {
            PlayHintAndExpectOneMoveGained(
                level, "tutorial " + std::to_string(i) + ", hint " + std::to_string(step));
        }
        EXPECT_TRUE(level.IsSolved()) << "tutorial " << i;
    }
    EXPECT_GT(detours, 0) << "no tutorial level offered a wrong turn to test";
}

TEST(PlayHint, OutcomesWithoutAMove) {
    // A one-row corridor: the circle and the star would have to pass each other.
    EXPECT_EQ(FindHint(Board("4 1 7 7 7 7 0 0 1 0 3 0 1 0 0 0 3 0")).outcome,
              HintOutcome::NoWayHome);
    // Every shape starts home.
    EXPECT_EQ(FindHint(Board("3 1 7 7 7 0 0 1 0 2 0 0 0 1 0 2 0")).outcome,
              HintOutcome::AlreadySolved);
}

TEST(PlayHint, AWayBeyondTheProofIsHintedAsMaybeNotTheShortest) {
    const Level far = Board(kFarShortestBoard);
    const Hint way = FindHint(far, {10, 0, 0, 300000, 0});
    ASSERT_EQ(way.outcome, HintOutcome::Move);
    EXPECT_FALSE(way.shortest);
    EXPECT_EQ(far.ShapePos(way.move.shape), way.move.from);
    EXPECT_EQ(FindHint(far, {10, 0}).outcome, HintOutcome::OutOfTime) << "no way looked for";
    EXPECT_TRUE(FindHint(Board(kMixingBoard)).shortest);
}

TEST(PlayHint, ASearchCutShortIsNeverCalledADeadEnd) {
    const Level sealed = Board(SealedSwapBoard());
    EXPECT_EQ(FindHint(sealed, {1000, 0}).outcome, HintOutcome::OutOfTime) << "state limit";
    EXPECT_EQ(FindHint(sealed, {0, 0.05}).outcome, HintOutcome::OutOfTime) << "time limit";
    EXPECT_EQ(FindHint(sealed).outcome, HintOutcome::OutOfTime) << "the game's own limits";

    // A huge open board that is easy to solve: cut short all the same by tiny limits.
    std::string open = "9 7";
    for (int i = 0; i < 63; ++i) open += " 7";
    const Level easy = Board(open + " 0 0 8 6 4 3 8 6 0 0 4 3");
    EXPECT_EQ(FindHint(easy, {10, 0}).outcome, HintOutcome::OutOfTime);
    EXPECT_EQ(FindHint(easy, kStatesOnly).outcome, HintOutcome::Move);
}

}  // namespace
