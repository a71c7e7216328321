#include <gtest/gtest.h>

#include "LevelTestSupport.h"
#include "support/ErrorRecorder.h"

using namespace qv;

namespace {

TEST(NewLevel, DefaultLayout) {
    const Level level;
    EXPECT_EQ(level.width, 9);
    EXPECT_EQ(level.height, 7);
    int white = 0;
    for (TileColor c : level.tiles) white += c == TileColor::White;
    EXPECT_EQ(white, 3);
    EXPECT_EQ(level.Tile(1, 0), TileColor::White);
    EXPECT_EQ(level.Tile(0, 1), TileColor::White);
    EXPECT_EQ(level.circlePos, At(0, 0));
    EXPECT_EQ(level.starPos, At(0, 1));
    EXPECT_EQ(level.trianglePos, At(1, 0));
    EXPECT_EQ(level.circleGoal, At(1, 0));
    EXPECT_EQ(level.starGoal, At(0, 0));
    EXPECT_EQ(level.triangleGoal, At(0, 1));
    EXPECT_EQ(level.name, "New Level");
    EXPECT_EQ(level.status, LevelStatus::Locked);
}

TEST(SetTile, PaintsRecordsAndGrows) {
    Level level = BoardFrom("2 2 7 7 7 7 0 0 1 0 0 1 0 0 1 0 0 1");
    level.SetTile(At(4, 5), TileColor::Green);
    EXPECT_EQ(level.Tile(4, 5), TileColor::Green);
    EXPECT_EQ(level.width, 5);
    EXPECT_EQ(level.height, 6);
    ASSERT_EQ(level.editHistory.size(), 1u);
    EXPECT_EQ(level.editHistory.back().kind, static_cast<int32_t>(CommandKind::TilePainted));
    EXPECT_EQ(level.editHistory.back().toX, 4);
    EXPECT_EQ(level.editHistory.back().oldColor, 0);

    // Painting a smaller position never shrinks the board.
    level.SetTile(At(1, 1), TileColor::Red);
    EXPECT_EQ(level.width, 5);

    level.UndoAllEdits();
    EXPECT_EQ(level.Tile(4, 5), TileColor::Black);
    EXPECT_EQ(level.Tile(1, 1), TileColor::White);
    EXPECT_EQ(level.width, 5);  // undo restores cells, not the size
}

TEST(SetTile, IgnoredCases) {
    Level level = BoardFrom("2 2 7 7 7 7 0 0 1 0 0 1 1 1 1 0 0 1");
    const Level before = level;
    level.SetTile(At(9, 0), TileColor::Red);
    level.SetTile(At(0, 7), TileColor::Red);
    level.SetTile(At(-1, 0), TileColor::Red);
    level.SetTile(At(0, 0), TileColor::White);                 // already that colour
    level.SetTile(At(0, 0), static_cast<TileColor>(8));       // no such colour
    EXPECT_TRUE(level.editHistory.empty());
    EXPECT_TRUE(level.SameContent(before));
    EXPECT_EQ(level.width, 2);
}

TEST(SetTile, BlackUnderShapeOrGoalRefusedButStillGrows) {
    // A 1 by 1 board whose shapes and goals were placed beyond it (as the editor can leave them).
    Level level = BoardFrom("1 1 7 0 0 3 2 0 4 0 0 5 3 6 4");
    level.Tile(3, 2) = TileColor::Red;
    level.Tile(5, 3) = TileColor::Red;
    level.SetTile(At(3, 2), TileColor::Black);  // under the star
    level.SetTile(At(5, 3), TileColor::Black);  // under the star's goal
    EXPECT_EQ(level.Tile(3, 2), TileColor::Red);
    EXPECT_EQ(level.Tile(5, 3), TileColor::Red);
    EXPECT_TRUE(level.editHistory.empty());
    EXPECT_EQ(level.width, 6);
    EXPECT_EQ(level.height, 4);
}

TEST(Placing, ShapesAndGoalsWithUndo) {
    Level level;  // white at (0,0), (1,0), (0,1)
    level.Tile(2, 0) = TileColor::Red;
    const Level before = level;

    level.PlaceShape(ShapeKind::Star, At(2, 0));
    EXPECT_EQ(level.starPos, At(2, 0));
    level.PlaceShape(ShapeKind::Circle, At(2, 0));  // another shape stands there
    level.PlaceShape(ShapeKind::Circle, At(0, 0));  // its own cell
    level.PlaceShape(ShapeKind::Circle, At(3, 0));  // no tile
    level.PlaceShape(ShapeKind::Circle, At(9, 0));  // outside the array
    level.PlaceGoal(ShapeKind::Triangle, At(2, 0)); // a goal may go under a shape
    level.PlaceGoal(ShapeKind::Circle, At(0, 0));   // the star's goal is there
    EXPECT_EQ(level.circlePos, At(0, 0));
    EXPECT_EQ(level.triangleGoal, At(2, 0));
    EXPECT_EQ(level.circleGoal, At(1, 0));
    ASSERT_EQ(level.editHistory.size(), 2u);
    EXPECT_EQ(level.editHistory.front().kind, static_cast<int32_t>(CommandKind::ShapePlaced));
    EXPECT_EQ(level.editHistory.back().kind, static_cast<int32_t>(CommandKind::GoalPlaced));
    EXPECT_EQ(level.editHistory.back().shape, static_cast<int32_t>(ShapeKind::Triangle));

    level.UndoEdit();
    EXPECT_EQ(level.triangleGoal, At(0, 1));
    level.UndoEdit();
    EXPECT_EQ(level.starPos, At(0, 1));
    EXPECT_TRUE(level.SameContent(before));
}

TEST(Shifting, RightAndLeftMoveEverythingAndUndo) {
    Level level = BoardFrom("8 1 7 7 7 0 0 0 0 7 0 0 1 0 2 0 7 0 1 0 2 0");
    const Level before = level;
    level.ShiftRight(true);
    EXPECT_EQ(level.width, 9);
    EXPECT_EQ(level.Tile(0, 0), TileColor::Black);
    EXPECT_EQ(level.Tile(1, 0), TileColor::White);
    EXPECT_EQ(level.Tile(8, 0), TileColor::White);
    EXPECT_EQ(level.circlePos, At(1, 0));
    EXPECT_EQ(level.circleGoal, At(8, 0));
    ASSERT_EQ(level.editHistory.size(), 1u);
    EXPECT_EQ(level.editHistory.back().kind, static_cast<int32_t>(CommandKind::ShiftedRight));

    // Column 8 now holds a tile: another shift right must do nothing.
    level.ShiftRight(true);
    EXPECT_EQ(level.editHistory.size(), 1u);
    EXPECT_EQ(level.width, 9);

    level.UndoEdit();
    EXPECT_TRUE(level.SameContent(before));
    EXPECT_EQ(level.width, 9);  // the size stays grown
    EXPECT_TRUE(level.editHistory.empty());

    // Column 0 holds a tile: shifting left does nothing.
    level.ShiftLeft(true);
    EXPECT_TRUE(level.SameContent(before));
    EXPECT_TRUE(level.editHistory.empty());
}

TEST(Shifting, DownAndUpWithUndo) {
    Level level;  // 9 by 7 with row 6 empty
    const Level before = level;
    level.ShiftDown(true);
    EXPECT_EQ(level.height, 7);  // already full height
    EXPECT_EQ(level.Tile(0, 1), TileColor::White);
    EXPECT_EQ(level.Tile(0, 0), TileColor::Black);
    EXPECT_EQ(level.starPos, At(0, 2));
    level.ShiftUp(true);
    level.ShiftUp(true);  // row 0 holds tiles now: refused
    EXPECT_TRUE(level.SameContent(before));
    EXPECT_EQ(level.editHistory.size(), 2u);

    level.UndoEdit();  // takes back the up shift by shifting down
    EXPECT_EQ(level.starPos, At(0, 2));
    level.UndoEdit();
    EXPECT_TRUE(level.SameContent(before));

    // A board below full height grows when shifted down.
    Level small = BoardFrom("1 2 7 7 0 0 0 1 0 0 0 0 0 1 0 0");
    small.ShiftDown(false);
    EXPECT_EQ(small.height, 3);
    EXPECT_TRUE(small.editHistory.empty());
}

TEST(SameContent, ComparesCellsNameAndPositionsOnly) {
    Level level;
    Level copy = level;
    copy.width = 4;
    copy.introText = "hello";
    copy.filePath = "x";
    copy.status = LevelStatus::Solved;
    copy.playHistory.push_back(Command{});
    EXPECT_TRUE(level.SameContent(copy));

    copy.name = "new level";
    EXPECT_FALSE(level.SameContent(copy));
    copy = level;
    copy.Tile(8, 6) = TileColor::Red;  // outside any size still counts
    EXPECT_FALSE(level.SameContent(copy));
    copy = level;
    copy.triangleGoal = At(1, 1);
    EXPECT_FALSE(level.SameContent(copy));
}

}  // namespace
