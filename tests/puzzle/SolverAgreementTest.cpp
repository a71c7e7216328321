// The solver must keep every answer it ever gave: on the survey's random levels its outcome and
// fewest moves are checked against the answers of the solver before its bounds grew
// (bench/random_levels.txt), wherever that one needed few enough states to be cheap here.
#include <gtest/gtest.h>

#include "LevelTestSupport.h"
#include "puzzle/SolveSearch.h"

using namespace qv;

namespace {

constexpr std::size_t kCheapStates = 100000;

TEST(SolverAgreement, RandomLevelsKeepTheirAnswers) {
    const std::vector<StoredAnswer> answers = StoredAnswers();
    ASSERT_FALSE(answers.empty()) << "bench/random_levels.txt is missing";
    int checked = 0;
    for (const StoredAnswer& stored : answers) {
        if (stored.outcome == "undecided" || stored.states > kCheapStates) continue;
        const Level level = BoardFrom(stored.numbers);
        const SolveResult result = SolveLevel(level);
        ++checked;
        ASSERT_STREQ(OutcomeName(result.outcome), stored.outcome.c_str()) << "level " << stored.index;
        EXPECT_EQ(result.moveCount, stored.moves) << "level " << stored.index;
        if (result.outcome == SolveOutcome::Solved) {
            // States reached again by a shorter path change their parents: the path traced back
            // must still be the shortest one.
            EXPECT_EQ(result.solution.size(), static_cast<std::size_t>(stored.moves))
                << "level " << stored.index;
            EXPECT_TRUE(ReplaySolves(level, result.solution)) << "level " << stored.index;
        }
    }
    EXPECT_GT(checked, 150);
}

}  // namespace
