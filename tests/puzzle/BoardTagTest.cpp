// A board's tag names the board alone: it follows any change of tile, shape or goal, and
// nothing else, and it is the same everywhere (what is kept in files depends on it).
#include <gtest/gtest.h>

#include "LevelTestSupport.h"
#include "puzzle/BoardTag.h"

namespace {

TEST(BoardTag, FollowsTheBoardAndNothingElse) {
    const Level board;
    EXPECT_EQ(BoardTag(board), "0b76657c") << "a stored tag must mean the same board on every machine";

    Level renamed = board;
    renamed.name = "Another Name";
    renamed.introText = "Some words.";
    EXPECT_EQ(BoardTag(renamed), BoardTag(board));

    Level tile = board;
    tile.Tile(4, 3) = TileColor::Red;
    Level goal = board;
    goal.starGoal = At(5, 5);
    Level smaller = board;
    smaller.width = 8;
    for (const Level* changed : {&tile, &goal, &smaller}) EXPECT_NE(BoardTag(*changed), BoardTag(board));
}

}  // namespace
