// When the shortest proof runs out of its limits the solver goes on to find some way home.
// Such a way must replay to a solved board by the game's own rule, can never be shorter than
// a proven shortest (one of the two would be wrong), and must never turn up where there is no
// solution; with limits in states alone it must be the same way every time, however sliced.
#include <gtest/gtest.h>

#include <string>

#include "LevelTestSupport.h"
#include "puzzle/SolveSearch.h"
#include "puzzle/Solver.h"

using namespace qv;

namespace {

// The proof gets too few states to get anywhere; the way search enough for these levels.
constexpr SolverLimits kWayOnly{50, 0, 0, 200000, 0};
constexpr std::size_t kCheapStates = 20000;

TEST(SolverWay, WaysOnStoredAnswersReplayHomeAndAreNeverShorterThanTheShortest) {
    int ways = 0;
    int unsolvable = 0;
    for (const StoredAnswer& stored : StoredAnswers()) {
        if (stored.outcome == "undecided" || stored.states > kCheapStates) continue;
        const std::string& index = stored.index;
        const int moves = stored.moves;
        const std::string& outcome = stored.outcome;
        const Level level = BoardFrom(stored.numbers);
        const SolveResult result = SolveLevel(level, kWayOnly);
        if (outcome == "unsolvable") {
            ++unsolvable;
            EXPECT_NE(result.outcome, SolveOutcome::Way) << "level " << index;
            EXPECT_NE(result.outcome, SolveOutcome::Solved) << "level " << index;
            continue;
        }
        if (result.outcome == SolveOutcome::Undecided) continue;
        ASSERT_TRUE(result.outcome == SolveOutcome::Way || result.outcome == SolveOutcome::Solved)
            << "level " << index << ": " << OutcomeName(result.outcome);
        ++ways;
        EXPECT_EQ(result.solution.size(), static_cast<std::size_t>(result.moveCount)) << index;
        EXPECT_TRUE(ReplaySolves(level, result.solution)) << "level " << index;
        EXPECT_GE(result.moveCount, moves) << "level " << index;
        // A way is called a shortest solution only when it is proven one.
        if (result.outcome == SolveOutcome::Solved) {
            EXPECT_EQ(result.moveCount, moves) << "level " << index;
        }
    }
    EXPECT_GT(ways, 100);
    EXPECT_GT(unsolvable, 10);
}

TEST(SolverWay, StatesAloneGiveTheSameWayEveryTimeHoweverSliced) {
    const Level level = BoardFrom(kFarShortestBoard);
    const SolverLimits limits{20000, 0, 0, 300000, 0};
    const SolveResult whole = SolveLevel(level, limits);
    ASSERT_EQ(whole.outcome, SolveOutcome::Way);
    EXPECT_TRUE(ReplaySolves(level, whole.solution));

    SolveSearch search(level, limits);
    int slices = 0;
    while (!search.Advance(1e-9)) ++slices;
    EXPECT_GT(slices, 10);
    EXPECT_EQ(search.Result().outcome, whole.outcome);
    EXPECT_EQ(search.Result().statesExplored, whole.statesExplored);
    ASSERT_EQ(search.Result().solution.size(), whole.solution.size());
    for (std::size_t i = 0; i < whole.solution.size(); ++i) {
        EXPECT_EQ(DescribeMove(search.Result().solution[i]), DescribeMove(whole.solution[i]));
    }
}

}  // namespace
