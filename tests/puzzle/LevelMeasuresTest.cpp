#include <gtest/gtest.h>

#include <array>

#include "LevelTestSupport.h"
#include "puzzle/LevelMeasures.h"
#include "puzzle/MeasureSearch.h"

using namespace qv;

namespace {

// Moves, walk, detour, first moves, best starts, traps, trap depth, dead starts.
std::array<int, 8> Counts(const Level& level) {
    const LevelMeasures m = MeasureLevel(level, {});
    EXPECT_TRUE(m.complete);
    return {m.solve.moveCount, m.walk,    m.detour,    m.firstMoves,
            m.optimalFirstMoves, m.traps, m.trapDepth, m.deadStarts};
}

}  // namespace

// A star that must go round a yellow centre it cannot enter: walk 2, par 4, so a detour of 2.
// Its other first moves and the other shapes' cost two moves each; the red corner it passes
// over changes nothing.
TEST(LevelMeasures, DetourTrapsAndIdleColours) {
    const Level level = BoardFrom("3 3 7 7 7 7 2 7 1 7 7 0 0 0 1 2 0 0 0 2 1 2 0");
    EXPECT_EQ((std::array<int, 8>{4, 2, 2, 4, 1, 3, 2, 0}), Counts(level));

    bool undecided = true;
    const std::vector<TilePos> idle = IdleColours(level, 4, {}, undecided);
    EXPECT_FALSE(undecided);
    ASSERT_EQ(1u, idle.size());
    EXPECT_EQ((TilePos{0, 2}), idle[0]);
}

// The circle starts on red: stepping away from its goal it can never come back, a dead start;
// the star and the triangle can step off home and back.
TEST(LevelMeasures, AStartWithNoWayBackIsDead) {
    EXPECT_EQ((std::array<int, 8>{1, 1, 0, 4, 1, 3, 2, 1}),
              Counts(BoardFrom("3 2 7 1 7 7 0 7 1 0 0 1 2 1 2 0 0 1 2 1")));
}

// The open-board walk ignores colours and shapes but not missing tiles.
TEST(LevelMeasures, OpenBoardWalkGoesRoundHoles) {
    const Level level = BoardFrom("3 2 7 0 7 7 7 7 0 0 1 1 2 1 2 0 0 1 2 1");
    EXPECT_EQ(4, OpenBoardWalk(level, {0, 0}, {2, 0}));
    EXPECT_EQ(-1, OpenBoardWalk(level, {0, 0}, {1, 0}));
}

// Two red tiles side by side bar the circle's straight way home: whitening either alone saves
// nothing, both together save two moves, so as one area they matter.
TEST(LevelMeasures, TouchingTilesOfOneColourMatterTogether) {
    const Level level = BoardFrom("4 3 7 1 1 7 7 7 7 7 7 7 7 7 0 0 0 2 3 2 3 0 0 2 3 2");
    bool undecided = true;
    EXPECT_TRUE(IdleColours(level, 5, {}, undecided).empty());
    EXPECT_FALSE(undecided);
}
