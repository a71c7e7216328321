// Redo on top of the level's undo: what undo and restart took back comes back exactly, and a new
// move ends it. Moves as kept text read back only onto the board they fit.
#include <gtest/gtest.h>

#include "LevelTestSupport.h"
#include "puzzle/MoveText.h"
#include "puzzle/RedoHistory.h"

using namespace qv;

namespace {

// The circle and the triangle each two steps right along the Mixing board, in turn.
void MakeFourMoves(RedoHistory& steps, Level& level) {
    ASSERT_TRUE(steps.Move(level, At(0, 2), 1, 2));
    ASSERT_TRUE(steps.Move(level, At(0, 0), 1, 0));
    ASSERT_TRUE(steps.Move(level, At(1, 2), 2, 2));
    ASSERT_TRUE(steps.Move(level, At(1, 0), 2, 0));
}

TEST(RedoHistory, RedoGivesBackTheSameBoardAndCountUntilANewMove) {
    Level level = BoardFrom(kMixingBoard);
    RedoHistory steps;
    MakeFourMoves(steps, level);
    const Level after = level;
    EXPECT_TRUE(steps.Undo(level));
    EXPECT_TRUE(steps.Undo(level));
    EXPECT_EQ(level.playHistory.size(), 2u);
    EXPECT_TRUE(steps.Redo(level));
    EXPECT_TRUE(steps.Redo(level));
    EXPECT_FALSE(steps.Redo(level)) << "nothing left to redo";
    EXPECT_TRUE(level.SameContent(after));
    EXPECT_EQ(level.tiles, after.tiles);
    EXPECT_EQ(level.playHistory.size(), 4u);

    // A move after an undo is a new way: the one taken back is gone.
    EXPECT_TRUE(steps.Undo(level));
    ASSERT_TRUE(steps.Move(level, At(2, 2), 3, 2));
    EXPECT_FALSE(steps.CanRedo());
    EXPECT_FALSE(steps.Redo(level));
}

TEST(RedoHistory, ARestartIsUndoneAsOneStepAndRedoneAgain) {
    Level level = BoardFrom(kMixingBoard);
    const Level start = level;
    RedoHistory steps;
    MakeFourMoves(steps, level);
    const Level after = level;
    steps.Restart(level);
    EXPECT_TRUE(level.SameContent(start));
    EXPECT_TRUE(level.playHistory.empty());

    EXPECT_TRUE(steps.Undo(level)) << "the restart is taken back";
    EXPECT_TRUE(level.SameContent(after));
    EXPECT_EQ(level.playHistory.size(), 4u);
    EXPECT_TRUE(steps.Redo(level)) << "and made again";
    EXPECT_TRUE(level.SameContent(start));
    EXPECT_TRUE(steps.Undo(level));
    EXPECT_TRUE(steps.Undo(level)) << "then the moves before it, one by one";
    EXPECT_EQ(level.playHistory.size(), 3u);

    // A restart with no move made is no step; one forgotten (the level left) can't be undone.
    steps.Clear();
    level.UndoAllMoves();
    steps.Restart(level);
    EXPECT_FALSE(steps.Undo(level));
}

TEST(MoveText, MovesReadBackAndReplayOnlyOntoTheirBoard) {
    Level level = BoardFrom(kMixingBoard);
    RedoHistory steps;
    MakeFourMoves(steps, level);
    const std::string text = MoveText(MovesOf(level.playHistory));
    EXPECT_EQ(text, "crtrcrtr");

    Level again = StartOf(level);
    const auto moves = ReadMoveText(text);
    ASSERT_TRUE(moves.has_value());
    ASSERT_TRUE(PlayMoves(again, *moves));
    EXPECT_TRUE(again.SameContent(level));
    EXPECT_EQ(again.playHistory.size(), 4u);

    for (const char* damaged : {"c", "cx", "xr", "cr sr", "CR"})
        EXPECT_FALSE(ReadMoveText(damaged).has_value()) << damaged;
    // The circle can't step left off the board: the text belongs to another level.
    Level other = StartOf(level);
    EXPECT_FALSE(PlayMoves(other, *ReadMoveText("crcl" "cl")));
}

}  // namespace
