#include <gtest/gtest.h>

#include "LevelTestSupport.h"
#include "support/ErrorRecorder.h"

using namespace qv;

namespace {

TEST(UndoMove, TwoShapesOverOneCell) {
    // A 3 by 2 white board: circle (0,0), star (0,1), triangle (2,1).
    Level level = BoardFrom("3 2 7 7 7 7 7 7 0 0 0 1 2 1 2 0 1 0 1 1");
    ASSERT_TRUE(level.MoveShape(At(0, 0), 1, 0));  // white -> red
    ASSERT_TRUE(level.MoveShape(At(0, 1), 1, 1));  // star elsewhere
    ASSERT_TRUE(level.MoveShape(At(1, 0), 2, 0));  // circle moves on
    ASSERT_TRUE(level.MoveShape(At(1, 1), 1, 0));  // red -> orange
    EXPECT_EQ(level.Tile(1, 0), TileColor::Orange);

    level.UndoMove();
    EXPECT_EQ(level.Tile(1, 0), TileColor::Red);
    EXPECT_EQ(level.starPos, At(1, 1));
    level.UndoMove();
    level.UndoMove();
    EXPECT_EQ(level.Tile(1, 0), TileColor::Red);
    level.UndoMove();
    EXPECT_EQ(level.Tile(1, 0), TileColor::White);
    EXPECT_EQ(level.circlePos, At(0, 0));
}

TEST(UndoMove, RestartGivesBackTheLoadedLevel) {
    Level level = BoardFrom(kMixingBoard);
    const Level loaded = level;
    for (int x = 0; x < 5; ++x) {
        ASSERT_TRUE(level.MoveShape(At(x, 0), static_cast<int16_t>(x + 1), 0));
        ASSERT_TRUE(level.MoveShape(At(x, 2), static_cast<int16_t>(x + 1), 2));
    }
    EXPECT_FALSE(level.SameContent(loaded));
    level.UndoAllMoves();
    EXPECT_TRUE(level.SameContent(loaded));
    EXPECT_TRUE(level.playHistory.empty());
}

TEST(Undo, EmptyHistoriesDoNothingSilently) {
    ErrorRecorder rec;
    Level level;
    const Level before = level;
    level.UndoMove();
    level.UndoEdit();
    level.UndoAllMoves();
    level.UndoAllEdits();
    EXPECT_TRUE(level.SameContent(before));
    EXPECT_TRUE(rec.boxes.empty());
}

Command Record(CommandKind kind, int32_t shape) {
    Command command;
    command.kind = static_cast<int32_t>(kind);
    command.fromX = 5;
    command.fromY = 5;
    command.toX = 1;
    command.toY = 0;
    command.oldColor = 4;
    command.shape = shape;
    return command;
}

TEST(Undo, DamagedRecordsAreReportedAndDropped) {
    ErrorRecorder rec;
    Level level;
    level.playHistory.push_back(Record(CommandKind::ShapeMoved, 7));
    level.playHistory.push_back(Record(CommandKind::TilePainted, 0));
    level.UndoMove();
    level.UndoMove();
    EXPECT_TRUE(level.playHistory.empty());
    EXPECT_EQ(level.Tile(1, 0), TileColor::Blue);  // the cell is restored even for a bad shape
    EXPECT_EQ(level.circlePos, At(0, 0));

    level.editHistory.push_back(Record(CommandKind::GoalPlaced, -1));
    level.editHistory.push_back(Record(CommandKind::ShapePlaced, 3));
    level.editHistory.push_back(Record(CommandKind::ShapeMoved, 0));
    level.editHistory.push_back(Record(static_cast<CommandKind>(42), 0));
    level.UndoAllEdits();

    const std::vector<ErrorRecorder::Box> expected = {
        {"Error", "Cannot undo command. Unknown command."},
        {"Error", "Cannot undo shape movement. Unknown shape."},
        {"Error", "Cannot undo command. Unknown command."},
        {"Error", "Cannot undo command. Unknown command."},
        {"Error", "Cannot undo shape position. Unknown shape."},
        {"Error", "Cannot undo goal position. Unknown goal."},
    };
    EXPECT_EQ(rec.boxes, expected);
}

TEST(Undo, RecordsPointingOffTheArrayAreSkipped) {
    Level level;
    const Level before = level;
    Command move = Record(CommandKind::ShapeMoved, 0);
    move.fromX = 0;
    move.fromY = 0;
    move.toX = 40;
    move.toY = -3;
    level.playHistory.push_back(move);
    Command paint = Record(CommandKind::TilePainted, 0);
    paint.toX = 9;
    paint.toY = 0;
    level.editHistory.push_back(paint);
    level.UndoMove();
    level.UndoEdit();
    EXPECT_TRUE(level.SameContent(before));
}

TEST(ClearHistories, EmptiesWithoutTakingBack) {
    Level level = BoardFrom(kMixingBoard);
    ASSERT_TRUE(level.MoveShape(At(0, 0), 1, 0));
    level.SetTile(At(8, 6), TileColor::Red);
    level.ClearHistories();
    EXPECT_TRUE(level.playHistory.empty());
    EXPECT_TRUE(level.editHistory.empty());
    EXPECT_EQ(level.trianglePos, At(1, 0));
    EXPECT_EQ(level.Tile(8, 6), TileColor::Red);
}

}  // namespace
