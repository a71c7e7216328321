// Building a board in the editor: the tool palette, painting, placing and dragging pieces,
// shifting, and taking edits back.
#include "EditorFixture.h"

using namespace qv;

namespace {

class EditorBoardTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        OpenEditor();
        editor = Editor();
    }

    TileColor TileAt(int x, int y) { return Edited().Tile(x, y); }

    EditorState* editor = nullptr;
};

TEST_F(EditorBoardTest, EnteringMakesTheBoardFullSizeWithTheWhiteToolLatched) {
    EXPECT_EQ(Edited().width, 9);
    EXPECT_EQ(Edited().height, 7);
    EXPECT_TRUE(Edited().fromEditor);
    EXPECT_EQ(editor->sprites.count, 33);
    EXPECT_TRUE(editor->ButtonFor(EditorButton::White).toggled);
    EXPECT_EQ(SDL_EnableUNICODE(-1), 1) << "name typing needs Unicode translation";
    // Orange is read before purple but shows in its slot after purple's.
    EXPECT_EQ(editor->sprites.sprites[kOrangeSlot].picture,
              editor->ButtonFor(EditorButton::Orange).normalImage.get());
    EXPECT_TRUE(recorder.boxes.empty());
}

TEST_F(EditorBoardTest, ThePaletteLatchesExactlyOneToolAndClicksPaintWithIt) {
    ClickButton(EditorButton::Red);
    Click(MidX(2), MidY(0));
    EXPECT_EQ(TileAt(2, 0), TileColor::Red);
    EXPECT_TRUE(editor->ButtonFor(EditorButton::Red).toggled);
    EXPECT_FALSE(editor->ButtonFor(EditorButton::White).toggled);

    // A press away from every piece paints, and so does every tile the held pointer crosses.
    ClickButton(EditorButton::Purple);
    PressAt(MidX(3), MidY(0));
    MoveHeldTo(MidX(4), MidY(0));
    MoveHeldTo(MidX(4), MidY(1));
    ReleaseAt(MidX(4), MidY(1));
    EXPECT_EQ(TileAt(3, 0), TileColor::Purple);
    EXPECT_EQ(TileAt(4, 0), TileColor::Purple);
    EXPECT_EQ(TileAt(4, 1), TileColor::Purple);

    ClickButton(EditorButton::StarGoal);
    int latched = 0;
    for (int i = 0; i < kEditorButtonCount; ++i)
        latched += editor->ButtonFor(static_cast<EditorButton>(i)).toggled ? 1 : 0;
    EXPECT_EQ(latched, 1);
    EXPECT_TRUE(editor->ButtonFor(EditorButton::StarGoal).toggled);
    Click(MidX(2), MidY(1));
    EXPECT_EQ(Edited().starGoal, (TilePos{2, 1})) << "the star's goal is the tool now";
}

TEST_F(EditorBoardTest, BlackIsRefusedUnderShapesAndGoalsButOtherColorsAreNot) {
    ClickButton(EditorButton::Black);
    Click(MidX(0), MidY(0));  // the circle's tile
    // Painting across the circle's goal tile (1, 0) from an empty tile.
    PressAt(MidX(2), MidY(1));
    MoveHeldTo(MidX(1), MidY(1) - 40);
    ReleaseAt(MidX(1), MidY(1) - 40);
    EXPECT_EQ(TileAt(0, 0), TileColor::White);
    EXPECT_EQ(TileAt(1, 0), TileColor::White);
    EXPECT_EQ(TileAt(2, 1), TileColor::Black);

    ClickButton(EditorButton::Green);
    Click(MidX(0), MidY(0));
    EXPECT_EQ(TileAt(0, 0), TileColor::Green);
    EXPECT_EQ(Edited().circlePos, (TilePos{0, 0}));
}

TEST_F(EditorBoardTest, AClickUnderTwoPixelsOfTravelAppliesTheToolAndLeavesTheShape) {
    ClickButton(EditorButton::Yellow);
    PressAt(MidX(0), MidY(1));  // the star
    MoveHeldTo(MidX(0) + 1, MidY(1));
    ReleaseAt(MidX(0) + 1, MidY(1));
    EXPECT_EQ(TileAt(0, 1), TileColor::Yellow);
    EXPECT_EQ(Edited().starPos, (TilePos{0, 1}));

    // Two pixels is a drag that ends where it began: no paint.
    ClickButton(EditorButton::Blue);
    PressAt(MidX(0), MidY(2));  // the triangle
    MoveHeldTo(MidX(0) + 2, MidY(2));
    ReleaseAt(MidX(0) + 2, MidY(2));
    EXPECT_EQ(TileAt(0, 2), TileColor::White);
    EXPECT_EQ(Edited().trianglePos, (TilePos{0, 2}));
}

TEST_F(EditorBoardTest, ShapeAndGoalToolsPlaceTheChosenPiece) {
    ClickButton(EditorButton::Triangle);
    Click(MidX(3), MidY(2));
    ClickButton(EditorButton::CircleGoal);
    Click(MidX(3), MidY(0));
    EXPECT_EQ(Edited().trianglePos, (TilePos{3, 2}));
    EXPECT_EQ(Edited().circleGoal, (TilePos{3, 0}));
    EXPECT_EQ(editor->sprites.sprites[ShapeSlot(ShapeKind::Triangle)].x, CellX(3));
    EXPECT_EQ(editor->sprites.sprites[GoalSlot(ShapeKind::Circle)].y, CellY(0));

    // Beyond the 9 by 7 board and onto an empty cell nothing is placed.
    Click(MidX(9), MidY(1));
    Click(MidX(5), MidY(5));
    EXPECT_EQ(Edited().circleGoal, (TilePos{3, 0}));
}

TEST_F(EditorBoardTest, APressInATilesTopLeftCornerTakesTheGoalAndElsewhereTheShape) {
    Drag(MidX(0), MidY(0), MidX(1), MidY(0));  // the circle onto its own goal
    ASSERT_EQ(Edited().circlePos, (TilePos{1, 0}));

    PressAt(CellX(1) + 19, CellY(0) + 19);
    MoveHeldTo(MidX(3), MidY(2));
    // The circle's goal, not the shape, follows the pointer, centred, and Draw leaves it there.
    EXPECT_EQ(editor->sprites.sprites[ShapeSlot(ShapeKind::Circle)].x, CellX(1));
    EXPECT_EQ(editor->sprites.sprites[GoalSlot(ShapeKind::Circle)].x, MidX(3) - 10);
    EXPECT_EQ(editor->sprites.sprites[GoalSlot(ShapeKind::Circle)].y, MidY(2) - 10);
    ReleaseAt(MidX(3), MidY(2));
    EXPECT_EQ(Edited().circleGoal, (TilePos{3, 2}));
    EXPECT_EQ(Edited().circlePos, (TilePos{1, 0}));
    EXPECT_EQ(editor->sprites.sprites[GoalSlot(ShapeKind::Circle)].x, CellX(3)) << "dropped: the goal sits in its tile";

    Drag(MidX(1), MidY(0), MidX(3), MidY(2));  // the shape again, now from the middle
    Drag(CellX(3) + 20, CellY(2) + 5, MidX(2), MidY(2));  // just outside the goal's corner
    EXPECT_EQ(Edited().circleGoal, (TilePos{3, 2}));
    EXPECT_EQ(Edited().circlePos, (TilePos{2, 2}));
}

TEST_F(EditorBoardTest, DropsOntoBlackAnotherShapeOrOffTheBoardPutThePieceBack) {
    ClickButton(EditorButton::Black);
    Click(MidX(3), MidY(1));
    Drag(MidX(0), MidY(1), MidX(3), MidY(1));  // the star onto Black
    Drag(MidX(0), MidY(1), MidX(0), MidY(0));  // onto the circle
    Drag(MidX(0), MidY(1), 790, MidY(1));      // right of the board
    Drag(MidX(0), MidY(1), MidX(0), 590);      // below it
    Drag(MidX(0), MidY(1), 100, MidY(1));      // left of it
    Drag(CellX(1) + 2, CellY(0) + 2, MidX(1), MidY(1));  // a goal onto another goal
    EXPECT_EQ(Edited().starPos, (TilePos{0, 1}));
    EXPECT_EQ(Edited().circleGoal, (TilePos{1, 0}));
    EXPECT_EQ(editor->sprites.sprites[ShapeSlot(ShapeKind::Star)].x, CellX(0)) << "the next Draw put the sprite back";
    EXPECT_EQ(editor->sprites.sprites[ShapeSlot(ShapeKind::Star)].y, CellY(1));
    EXPECT_EQ(Edited().editHistory.size(), 1u) << "only the black paint was recorded";

    Drag(MidX(0), MidY(1), MidX(1), MidY(1));  // a shape may share a tile with a goal
    EXPECT_EQ(Edited().starPos, (TilePos{1, 1}));
    EXPECT_TRUE(recorder.boxes.empty());
}

TEST_F(EditorBoardTest, RightButtonCtrlZAndUndoButtonEachTakeBackOneEdit) {
    ClickButton(EditorButton::Orange);
    Click(MidX(2), MidY(0));
    Click(MidX(3), MidY(0));
    Click(MidX(2), MidY(1));
    Click(MidX(3), MidY(1));
    ASSERT_EQ(Edited().editHistory.size(), 4u);

    Click(MidX(5), MidY(5), SDL_BUTTON_RIGHT);
    EXPECT_EQ(TileAt(3, 1), TileColor::White);
    EXPECT_EQ(TileAt(2, 1), TileColor::Orange);

    CtrlKey(SDLK_z);
    KeyUp(SDLK_z);  // without Ctrl: nothing
    Pass();
    EXPECT_EQ(TileAt(2, 1), TileColor::White);
    EXPECT_EQ(TileAt(3, 0), TileColor::Orange);

    ClickButton(EditorButton::Undo);
    EXPECT_EQ(TileAt(3, 0), TileColor::White);
    EXPECT_EQ(TileAt(2, 0), TileColor::Orange);

    Click(MidX(5), MidY(5), SDL_BUTTON_RIGHT);
    Click(MidX(5), MidY(5), SDL_BUTTON_RIGHT);  // nothing left to take back
    CtrlKey(SDLK_z);
    EXPECT_EQ(TileAt(2, 0), TileColor::White);
    EXPECT_TRUE(Edited().editHistory.empty());
    EXPECT_TRUE(recorder.boxes.empty());
}

TEST_F(EditorBoardTest, ShiftButtonsMoveTheWholeLayoutAndUndoMovesItBack) {
    ClickButton(EditorButton::ShiftRight);
    ClickButton(EditorButton::ShiftDown);
    ClickButton(EditorButton::ShiftUp);  // row 0 is empty again after the shift down
    ClickButton(EditorButton::ShiftLeft);
    ClickButton(EditorButton::ShiftLeft);  // column 0 holds tiles now: refused
    EXPECT_EQ(Edited().circlePos, (TilePos{0, 0}));
    EXPECT_EQ(Edited().editHistory.size(), 4u);

    Click(MidX(5), MidY(5), SDL_BUTTON_RIGHT);
    Click(MidX(5), MidY(5), SDL_BUTTON_RIGHT);
    EXPECT_EQ(Edited().circlePos, (TilePos{1, 1}));
    EXPECT_EQ(TileAt(1, 1), TileColor::White);
    EXPECT_EQ(TileAt(0, 0), TileColor::Black);
    // The sprites follow at the next Draw.
    EXPECT_EQ(editor->sprites.sprites[ShapeSlot(ShapeKind::Circle)].x, CellX(1));
    EXPECT_EQ(editor->sprites.sprites[ShapeSlot(ShapeKind::Circle)].y, CellY(1));
}

}  // namespace
