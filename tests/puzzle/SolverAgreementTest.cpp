// The solver must keep every answer it ever gave: on the survey's random levels its outcome and
// fewest moves are checked against the answers of the solver before its bounds grew
// (bench/random_levels.txt), wherever that one needed few enough states to be cheap here.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "LevelTestSupport.h"
#include "puzzle/SolveSearch.h"

using namespace qv;

namespace {

constexpr std::size_t kCheapStates = 100000;

TEST(SolverAgreement, RandomLevelsKeepTheirAnswers) {
    std::ifstream in(std::string(QV_SOURCE_DIR) + "/bench/random_levels.txt");
    ASSERT_TRUE(in) << "bench/random_levels.txt is missing";
    int checked = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::string index, sizeClass, outcome, bar, numbers;
        int moves = 0;
        std::size_t states = 0;
        fields >> index >> sizeClass >> outcome >> moves >> states >> bar;
        std::getline(fields >> std::ws, numbers);
        if (outcome == "undecided" || states > kCheapStates) continue;
        const Level level = BoardFrom(numbers);
        const SolveResult result = SolveLevel(level);
        ++checked;
        ASSERT_STREQ(OutcomeName(result.outcome), outcome.c_str()) << "level " << index;
        EXPECT_EQ(result.moveCount, moves) << "level " << index;
        if (result.outcome == SolveOutcome::Solved) {
            // States reached again by a shorter path change their parents: the path traced back
            // must still be the shortest one.
            EXPECT_EQ(result.solution.size(), static_cast<std::size_t>(moves)) << "level " << index;
            EXPECT_TRUE(ReplaySolves(level, result.solution)) << "level " << index;
        }
    }
    EXPECT_GT(checked, 150);
}

}  // namespace
