#include <gtest/gtest.h>

#include "LevelTestSupport.h"
#include "puzzle/MoveRule.h"
#include "support/ErrorRecorder.h"

using namespace qv;

namespace {

constexpr TileColor B = TileColor::Black;
constexpr TileColor R = TileColor::Red;
constexpr TileColor Y = TileColor::Yellow;
constexpr TileColor O = TileColor::Orange;
constexpr TileColor U = TileColor::Blue;
constexpr TileColor P = TileColor::Purple;
constexpr TileColor G = TileColor::Green;
constexpr TileColor W = TileColor::White;

TEST(MixedColor, WholeTable) {
    // Rows: the target's old colour 0..7; columns: star, circle, triangle.
    const TileColor expected[8][3] = {
        {B, B, B}, {O, B, P}, {B, O, G}, {B, B, W},
        {G, P, B}, {W, B, B}, {B, W, B}, {Y, R, U},
    };
    for (int old = 0; old < 8; ++old) {
        const auto color = static_cast<TileColor>(old);
        EXPECT_EQ(MixedColor(color, ShapeKind::Star), expected[old][0]) << "old " << old;
        EXPECT_EQ(MixedColor(color, ShapeKind::Circle), expected[old][1]) << "old " << old;
        EXPECT_EQ(MixedColor(color, ShapeKind::Triangle), expected[old][2]) << "old " << old;
    }
    EXPECT_EQ(MixedColor(static_cast<TileColor>(9), ShapeKind::Star), B);
}

// A 3 by 2 board, (1,1) missing: circle (0,0), star (2,0), triangle (0,1); (1,0) and (2,1) free.
Level SmallBoard() { return BoardFrom("3 2 7 7 7 7 0 7 0 0 2 0 0 1 2 1 1 0 0 0"); }

TEST(MoveShape, RefusalsChangeNothing) {
    ErrorRecorder rec;
    Level level = SmallBoard();
    // Tiles just past the level's size: the bound is the level's own size, not the array's.
    level.Tile(3, 0) = TileColor::White;
    level.Tile(0, 2) = TileColor::White;
    const Level before = level;

    struct Case { const char* what; TilePos from; int toX, toY; };
    const Case refused[] = {
        {"onto another shape", At(0, 1), 0, 0},
        {"diagonally", At(0, 1), 1, 0},
        {"two away", At(0, 1), 2, 1},
        {"onto a missing tile", At(0, 1), 1, 1},
        {"past the width", At(2, 0), 3, 0},
        {"past the height", At(0, 1), 0, 2},
        {"off the left edge", At(0, 0), -1, 0},
        {"onto itself", At(0, 0), 0, 0},
    };
    for (const Case& c : refused) {
        EXPECT_FALSE(level.MoveAllowed(c.from, c.toX, c.toY)) << c.what;
        EXPECT_FALSE(level.MoveShape(c.from, static_cast<int16_t>(c.toX), static_cast<int16_t>(c.toY)))
            << c.what;
        EXPECT_TRUE(level.playHistory.empty()) << c.what;
        EXPECT_TRUE(level.SameContent(before)) << c.what;
    }
    EXPECT_TRUE(rec.boxes.empty());
    EXPECT_TRUE(level.MoveAllowed(At(0, 0), 1, 0));
    EXPECT_TRUE(level.playHistory.empty()) << "asking moves nothing";
}

TEST(MoveShape, WhiteTakesTheShapesColorThenMixesOrBlocks) {
    Level level = SmallBoard();
    ASSERT_TRUE(level.MoveShape(At(2, 0), 1, 0));
    EXPECT_EQ(level.Tile(1, 0), TileColor::Yellow);
    EXPECT_EQ(level.Tile(2, 0), TileColor::White);  // the cell left keeps its colour
    ASSERT_TRUE(level.MoveShape(At(1, 0), 2, 0));
    EXPECT_FALSE(level.MoveShape(At(2, 0), 1, 0));  // its own colour now blocks the star
    ASSERT_TRUE(level.MoveShape(At(0, 0), 1, 0));   // but the circle mixes in
    EXPECT_EQ(level.Tile(1, 0), TileColor::Orange);
    EXPECT_EQ(level.playHistory.size(), 3u);
}

TEST(MoveShape, MixingBoardExample) {
    Level level = BoardFrom(kMixingBoard);
    ASSERT_EQ(level.Tile(1, 2), TileColor::Blue);
    ASSERT_TRUE(level.MoveShape(At(0, 2), 1, 2));
    EXPECT_EQ(level.Tile(1, 2), TileColor::Purple);
    ASSERT_TRUE(level.MoveShape(At(1, 2), 2, 2));
    EXPECT_EQ(level.Tile(2, 2), TileColor::Orange);
    ASSERT_TRUE(level.MoveShape(At(2, 2), 3, 2));
    EXPECT_EQ(level.Tile(3, 2), TileColor::White);
    EXPECT_EQ(level.circlePos, At(3, 2));

    ASSERT_EQ(level.playHistory.size(), 3u);
    const Command& last = level.playHistory.back();
    EXPECT_EQ(last.kind, static_cast<int32_t>(CommandKind::ShapeMoved));
    EXPECT_EQ((std::array<int32_t, 6>{last.fromX, last.fromY, last.toX, last.toY, last.oldColor, last.shape}),
              (std::array<int32_t, 6>{2, 2, 3, 2, 6, 0}));
}

TEST(MoveShape, NoShapeAtFromIsReported) {
    ErrorRecorder rec;
    Level level = BoardFrom(kMixingBoard);
    EXPECT_FALSE(level.MoveShape(At(1, 1), 2, 1));
    ASSERT_EQ(rec.boxes.size(), 1u);
    EXPECT_EQ(rec.boxes[0], (ErrorRecorder::Box{"Error", "Illegal movement. Shape is invalid."}));
    EXPECT_TRUE(level.playHistory.empty());
}

TEST(IsSolved, AllThreeHome) {
    Level level = BoardFrom("3 1 7 7 7 0 0 1 0 2 0 0 0 1 0 2 0");
    EXPECT_TRUE(level.IsSolved());
    level.starGoal = At(2, 0);
    EXPECT_FALSE(level.IsSolved());
}

}  // namespace
