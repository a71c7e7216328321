// The solver's estimate of the moves left must never overshoot, or it would pass over shorter
// solutions and call some levels unsolvable: checked against a plain breadth-first search on
// many small boards, including goal tiles that have to be whitened before their shape gets in.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <random>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

#include "LevelTestSupport.h"
#include "puzzle/MoveRule.h"
#include "puzzle/SolveSearch.h"

using namespace qv;

namespace {

constexpr int kTooMany = -2;
constexpr int kNoWayHome = -1;

std::string PositionKey(const Level& level) {
    std::string key;
    for (TileColor color : level.tiles) key += static_cast<char>(color);
    for (TilePos pos : level.ShapePositions()) {
        key += static_cast<char>(pos.x);
        key += static_cast<char>(pos.y);
    }
    return key;
}

void LoadPosition(Level& level, const std::string& key) {
    for (int i = 0; i < kCellCount; ++i) level.tiles[i] = static_cast<TileColor>(key[i]);
    for (int k = 0; k < kShapeCount; ++k) {
        level.ShapePos(static_cast<ShapeKind>(k)) = {key[kCellCount + 2 * k],
                                                     key[kCellCount + 2 * k + 1]};
    }
}

// Fewest moves by the game's own move rule, trying everything in order of length; kNoWayHome,
// or kTooMany when more than `cap` positions would have to be looked at.
int BreadthFirstMoves(const Level& start, std::size_t cap) {
    Level level = start;
    std::unordered_set<std::string> seen{PositionKey(start)};
    std::deque<std::pair<std::string, int>> open{{PositionKey(start), 0}};
    for (; !open.empty(); open.pop_front()) {
        LoadPosition(level, open.front().first);
        if (level.IsSolved()) return open.front().second;
        for (int k = 0; k < kShapeCount; ++k) {
            const TilePos from = level.ShapePos(static_cast<ShapeKind>(k));
            for (int d = 0; d < 4; ++d) {
                const TilePos to = StepTarget(from, static_cast<StepDirection>(d));
                if (!level.MoveShape(from, to.x, to.y)) continue;
                std::string key = PositionKey(level);
                level.UndoMove();
                if (!seen.insert(key).second) continue;
                if (seen.size() > cap) return kTooMany;
                open.emplace_back(std::move(key), open.front().second + 1);
            }
        }
    }
    return kNoWayHome;
}

// A small board of random colours (a few missing tiles) with the shapes and goals on tiles.
Level RandomBoard(std::mt19937& random) {
    std::uniform_int_distribution<int> width(3, 5), height(2, 3), color(0, 7);
    const int w = width(random);
    const int h = height(random);
    std::string numbers = std::to_string(w) + " " + std::to_string(h);
    std::vector<int> open;
    for (int i = 0; i < w * h; ++i) {
        int c = color(random);
        // One cell in eight missing, and at least six cells left for the shapes and goals.
        if (c == 0 && w * h - i <= 6 - static_cast<int>(open.size())) c = 7;
        if (c != 0) open.push_back(i);
        numbers += " " + std::to_string(c);
    }
    std::shuffle(open.begin(), open.end(), random);
    std::vector<int> goals = open;
    std::shuffle(goals.begin(), goals.end(), random);
    for (const std::vector<int>* cells : {&open, &goals}) {
        for (int k = 0; k < kShapeCount; ++k) {
            const int cell = (*cells)[k];
            numbers += " " + std::to_string(cell % w) + " " + std::to_string(cell / w);
        }
    }
    return BoardFrom(numbers);
}

bool StartsWithAGoalToWhiten(const Level& level) {
    for (int k = 0; k < kShapeCount; ++k) {
        const auto kind = static_cast<ShapeKind>(k);
        const TilePos goal = level.GoalPos(kind);
        const TileColor color = level.Tile(goal.x, goal.y);
        const bool shutOut = MixedColor(color, kind) == TileColor::Black;
        if (level.ShapePos(kind) != goal && shutOut) return true;
    }
    return false;
}

TEST(SolverBound, FewestMovesMatchBreadthFirstSearchOnSmallBoards) {
    std::mt19937 random(20240611);
    int solvable = 0;
    int unsolvable = 0;
    int goalsToWhiten = 0;  // solvable boards on which a shape can't yet enter its goal tile
    for (int board = 0; board < 300; ++board) {
        const Level level = RandomBoard(random);
        const int expected = BreadthFirstMoves(level, 20000);
        if (expected == kTooMany) continue;
        const SolveResult result = SolveLevel(level);
        if (expected == kNoWayHome) {
            ++unsolvable;
            EXPECT_EQ(result.outcome, SolveOutcome::Unsolvable) << "board " << board;
            continue;
        }
        ++solvable;
        if (StartsWithAGoalToWhiten(level)) ++goalsToWhiten;
        ASSERT_EQ(result.outcome, SolveOutcome::Solved) << "board " << board;
        EXPECT_EQ(result.moveCount, expected) << "board " << board;
        EXPECT_TRUE(ReplaySolves(level, result.solution)) << "board " << board;
    }
    // Every kind must have been met for the comparison to mean something.
    EXPECT_GT(solvable, 50);
    EXPECT_GT(unsolvable, 20);
    EXPECT_GT(goalsToWhiten, 20);
}

}  // namespace
