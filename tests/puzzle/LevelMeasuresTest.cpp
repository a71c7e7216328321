#include <gtest/gtest.h>

#include "LevelTestSupport.h"
#include "puzzle/LevelMeasures.h"

using namespace qv;

// A star that must go round a yellow centre it cannot enter: walk 2, par 4, so a detour of 2.
// Its other first moves and the other shapes' cost two moves each; the red corner it passes
// over changes nothing.
TEST(LevelMeasures, DetourTrapsAndIdleColours) {
    const Level level = BoardFrom("3 3 7 7 7 7 2 7 1 7 7 0 0 0 1 2 0 0 0 2 1 2 0");
    const LevelMeasures m = MeasureLevel(level, {});
    ASSERT_TRUE(m.complete);
    EXPECT_EQ(4, m.solve.moveCount);
    EXPECT_EQ(2, m.walk);
    EXPECT_EQ(2, m.detour);
    EXPECT_EQ(4, m.firstMoves);
    EXPECT_EQ(1, m.optimalFirstMoves);
    EXPECT_EQ(3, m.traps);
    EXPECT_EQ(2, m.trapDepth);
    EXPECT_EQ(0, m.deadStarts);
    EXPECT_EQ(4, m.longestRun);

    bool undecided = true;
    const std::vector<TilePos> idle = IdleColours(level, m.solve.moveCount, {}, undecided);
    EXPECT_FALSE(undecided);
    ASSERT_EQ(1u, idle.size());
    EXPECT_EQ((TilePos{0, 2}), idle[0]);
}

// The circle starts on red: stepping away from its goal it can never come back, a dead start;
// the star and the triangle can step off home and back.
TEST(LevelMeasures, AStartWithNoWayBackIsDead) {
    const Level level = BoardFrom("3 2 7 1 7 7 0 7 1 0 0 1 2 1 2 0 0 1 2 1");
    const LevelMeasures m = MeasureLevel(level, {});
    ASSERT_TRUE(m.complete);
    EXPECT_EQ(1, m.solve.moveCount);
    EXPECT_EQ(0, m.detour);
    EXPECT_EQ(4, m.firstMoves);
    EXPECT_EQ(3, m.traps);
    EXPECT_EQ(1, m.deadStarts);
    EXPECT_EQ(2, m.trapDepth);
}

// The open-board walk ignores colours and shapes but not missing tiles.
TEST(LevelMeasures, OpenBoardWalkGoesRoundHoles) {
    const Level level = BoardFrom("3 2 7 0 7 7 7 7 0 0 1 1 2 1 2 0 0 1 2 1");
    EXPECT_EQ(4, OpenBoardWalk(level, {0, 0}, {2, 0}));
    EXPECT_EQ(-1, OpenBoardWalk(level, {0, 0}, {1, 0}));
}
