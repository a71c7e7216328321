// Moving shapes on the play screen by dragging, clicking and the keyboard, and taking moves back.
#include "ScreenFixture.h"

#include "content/LevelLibrary.h"
#include "puzzle/Level.h"
#include "render/MediaStore.h"
#include "screens/PlayState.h"

using namespace qv;

namespace {

class PlayInputTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        OpenPlay(1, 0);
        play = Current<PlayState>();
        ASSERT_NE(play, nullptr);
        ClearSounds();
    }

    Level& level() { return Library().CurrentLevel(); }
    TilePos circle() { return level().circlePos; }
    // The middle of a tile of the Line board.
    static int MidX(int column) { return TileX(column) + 30; }
    static int MidY(int row) { return TileY(row) + 30; }

    PlayState* play = nullptr;
};

TEST_F(PlayInputTest, DragOntoAnAllowedNeighbourMovesTheShape) {
    Press(MidX(0), MidY(0));
    Pass();
    EXPECT_TRUE(play->Dragging());
    Motion(MidX(1) + 5, MidY(0), true);
    Pass();
    EXPECT_EQ(circle(), (TilePos{1, 0}));
    EXPECT_EQ(level().Tile(1, 0), TileColor::Red);
    EXPECT_TRUE(Played(MoveSound));
    // The sprite follows the pointer while the button is held, and snaps on release.
    EXPECT_EQ(play->sprites.sprites[ShapeSlot(ShapeKind::Circle)].x, MidX(1) + 5 - 30);
    Release(MidX(1) + 5, MidY(0));
    Pass();
    EXPECT_FALSE(play->Dragging());
    EXPECT_EQ(play->sprites.sprites[ShapeSlot(ShapeKind::Circle)].x, TileX(1));
    EXPECT_EQ(circle(), (TilePos{1, 0})) << "a long drag is not also a click";
}

TEST_F(PlayInputTest, DragSkippingATileIsRefusedAndPullsThePointerBack) {
    Press(MidX(0), MidY(0));
    Pass();
    Motion(MidX(2), MidY(0), true);
    Pass();
    EXPECT_EQ(circle(), (TilePos{0, 0}));
    EXPECT_TRUE(level().playHistory.empty());
    EXPECT_TRUE(Played(DragBlockedSound));
    ASSERT_EQ(input.warps.size(), 1u);
    EXPECT_EQ(input.warps.back(), std::make_pair(TileX(0) + 59, MidY(0)));
}

TEST_F(PlayInputTest, DragOffTheBoardIsRefusedOnEveryMotion) {
    Press(MidX(0), MidY(0));
    Pass();
    Motion(TileX(0) - 40, MidY(0), true);
    Pass();
    EXPECT_TRUE(Played(DragBlockedSound));
    ClearSounds();
    Motion(TileX(0) - 50, TileY(0) - 20, true);
    Pass();
    EXPECT_TRUE(Played(DragBlockedSound));
    EXPECT_EQ(circle(), (TilePos{0, 0}));
    ASSERT_EQ(input.warps.size(), 2u);
    EXPECT_EQ(input.warps.back(), std::make_pair(TileX(0), TileY(0)));
}

TEST_F(PlayInputTest, PressAndReleaseWithTwoPixelsOfTravelIsAClick) {
    // The right-hand section of the circle's tile.
    Press(TileX(0) + 50, MidY(0));
    Motion(TileX(0) + 51, MidY(0) + 1, true);
    Release(TileX(0) + 51, MidY(0) + 1);
    Pass();
    EXPECT_EQ(circle(), (TilePos{1, 0}));
    EXPECT_TRUE(Played(MoveSound));
}

TEST_F(PlayInputTest, ThreePixelsOfTravelIsNoClick) {
    Press(TileX(0) + 50, MidY(0));
    Motion(TileX(0) + 52, MidY(0) + 1, true);
    Release(TileX(0) + 52, MidY(0) + 1);
    Pass();
    EXPECT_EQ(circle(), (TilePos{0, 0}));
    EXPECT_FALSE(Played(MoveSound));
    EXPECT_FALSE(Played(BlockedSound));
}

TEST_F(PlayInputTest, OnATouchScreenAWobblyTapClicksAndASwipeOnAShapeMovesIt) {
    Context().device.touchFirst = true;
    // Eight pixels of wobble in the circle's right-hand section: still a tap, so a click.
    Press(TileX(0) + 50, MidY(0));
    Motion(TileX(0) + 54, MidY(0) + 4, true);
    Release(TileX(0) + 54, MidY(0) + 4);
    Pass();
    EXPECT_EQ(circle(), (TilePos{1, 0}));
    // A short swipe up within the star's tile moves it up, though it ends in the right-hand
    // section, where a click would have gone.
    Press(MidX(0), TileY(1) + 50);
    Motion(MidX(0) + 2, TileY(1) + 32, true);
    Release(MidX(0) + 2, TileY(1) + 32);
    Pass();
    EXPECT_EQ(level().starPos, (TilePos{0, 0}));
    // A swipe that crossed into the next tile moved the shape there, once.
    Press(MidX(0), MidY(2));
    Pass();
    Motion(MidX(1) + 5, MidY(2), true);
    Release(MidX(1) + 5, MidY(2));
    Pass();
    EXPECT_EQ(level().trianglePos, (TilePos{1, 2}));
    EXPECT_EQ(level().playHistory.size(), 3u);
}

TEST_F(PlayInputTest, ClickMovesTowardsTheSectionAndRefusalsSound) {
    // Upper section of the circle: off the board, refused.
    Press(MidX(0), TileY(0) + 5);
    Release(MidX(0), TileY(0) + 5);
    Pass();
    EXPECT_EQ(circle(), (TilePos{0, 0}));
    EXPECT_TRUE(Played(BlockedSound));
    // Lower section of the star: onto the triangle, refused; then the star's right section.
    ClearSounds();
    Press(MidX(0), TileY(1) + 55);
    Release(MidX(0), TileY(1) + 55);
    Pass();
    EXPECT_EQ(level().starPos, (TilePos{0, 1}));
    EXPECT_TRUE(Played(BlockedSound));
    Press(TileX(0) + 55, MidY(1));
    Release(TileX(0) + 55, MidY(1));
    Pass();
    EXPECT_EQ(level().starPos, (TilePos{1, 1}));
    EXPECT_EQ(level().Tile(1, 1), TileColor::Yellow);
}

TEST_F(PlayInputTest, KeysActOnReleaseOnly) {
    KeyDown(SDLK_c);
    KeyDown(SDLK_RIGHT);
    Pass();
    EXPECT_FALSE(play->SelectedShape().has_value());
    EXPECT_EQ(circle(), (TilePos{0, 0}));
    KeyUp(SDLK_c);
    KeyUp(SDLK_RIGHT);
    Pass();
    EXPECT_EQ(circle(), (TilePos{1, 0}));
    EXPECT_TRUE(Played(MoveSound));
}

TEST_F(PlayInputTest, ArrowWithNothingSelectedIsSilent) {
    KeyUp(SDLK_RIGHT);
    KeyUp(SDLK_DOWN);
    Pass();
    EXPECT_TRUE(level().playHistory.empty());
    EXPECT_FALSE(Played(MoveSound));
    EXPECT_FALSE(Played(BlockedSound));
}

TEST_F(PlayInputTest, ArrowAgainstTheRulesPlaysTheBlockedSound) {
    KeyUp(SDLK_3);
    KeyUp(SDLK_DOWN);  // the triangle is on the bottom row
    Pass();
    EXPECT_EQ(level().trianglePos, (TilePos{0, 2}));
    EXPECT_TRUE(Played(BlockedSound));
}

TEST_F(PlayInputTest, SelectionSwapsPicturesAndZeroClearsIt) {
    KeyUp(SDLK_s);
    Pass();
    EXPECT_EQ(play->sprites.sprites[ShapeSlot(ShapeKind::Star)].picture, pictures.selectedStar.get());
    EXPECT_EQ(play->sprites.sprites[ShapeSlot(ShapeKind::Circle)].picture, pictures.circle.get());
    EXPECT_EQ(play->sprites.sprites[PlayState::kHelpSlot].picture, pictures.starHelp.get());
    KeyUp(SDLK_1);
    Pass();
    EXPECT_EQ(play->sprites.sprites[ShapeSlot(ShapeKind::Circle)].picture, pictures.selectedCircle.get());
    EXPECT_EQ(play->sprites.sprites[ShapeSlot(ShapeKind::Star)].picture, pictures.star.get());
    KeyUp(SDLK_0);
    Pass();
    EXPECT_FALSE(play->SelectedShape().has_value());
    EXPECT_EQ(play->sprites.sprites[ShapeSlot(ShapeKind::Circle)].picture, pictures.circle.get());
    EXPECT_EQ(play->sprites.sprites[PlayState::kHelpSlot].picture, pictures.circleHelp.get())
        << "the help stays until the pointer moves";
}

TEST_F(PlayInputTest, AGoalsBadgeShowsOverTheSelectedShapeStandingOnIt) {
    constexpr Uint32 kBadge = 0x20C0E0;
    SurfacePtr& badge = pictures.circleGoal;
    badge.reset(SDL_CreateRGBSurface(SDL_SWSURFACE, 20, 20, 32, 0xFF0000, 0xFF00, 0xFF, 0));
    SDL_FillRect(badge.get(), nullptr, kBadge);
    play->sprites.sprites[GoalSlot(ShapeKind::Circle)].picture = badge.get();
    KeyUp(SDLK_c);
    KeyUp(SDLK_RIGHT);  // onto its goal, the tile to its right
    Pass();
    ASSERT_EQ(circle(), (TilePos{1, 0}));
    SDL_Surface* display = SDL_GetVideoSurface();
    const Uint32 shown =
        static_cast<const Uint32*>(display->pixels)[(TileY(0) + 5) * display->pitch / 4 + TileX(1) + 5];
    EXPECT_EQ(shown & 0xFFFFFF, kBadge);
    badge.reset();
}

TEST_F(PlayInputTest, CtrlZUndoesAndRIsRestartOnlyWithCtrlHeld) {
    KeyUp(SDLK_c);
    KeyUp(SDLK_RIGHT);
    KeyUp(SDLK_s);
    KeyUp(SDLK_RIGHT);
    Pass();
    KeyUp(SDLK_z);  // Ctrl already let go
    Pass();
    EXPECT_EQ(level().playHistory.size(), 2u);
    KeyUp(SDLK_z, KMOD_RCTRL);
    Pass();
    EXPECT_EQ(level().starPos, (TilePos{0, 1}));
    EXPECT_EQ(level().Tile(1, 1), TileColor::White);
    KeyUp(SDLK_r);  // Ctrl released before R
    Pass();
    EXPECT_EQ(circle(), (TilePos{1, 0}));
    KeyUp(SDLK_r, static_cast<SDLMod>(KMOD_LCTRL | KMOD_NUM));
    Pass();
    EXPECT_EQ(circle(), (TilePos{0, 0}));
    EXPECT_TRUE(level().playHistory.empty());
    EXPECT_EQ(level().Tile(1, 0), TileColor::White);
}

TEST_F(PlayInputTest, EveryQueuedClickOnTheUndoButtonTakesAMoveBack) {
    for (SDLKey key : {SDLK_c, SDLK_RIGHT, SDLK_RIGHT, SDLK_RIGHT, SDLK_s, SDLK_RIGHT, SDLK_RIGHT})
        KeyUp(key);
    Pass();
    ASSERT_EQ(level().playHistory.size(), 5u);
    // Faster than the passes: all five clicks are queued before the screen looks.
    for (int i = 0; i < 5; ++i) {
        Press(50, 35);
        Release(50, 35);
    }
    Pass();
    EXPECT_TRUE(level().playHistory.empty());
    EXPECT_EQ(circle(), (TilePos{0, 0}));
    EXPECT_EQ(level().Tile(3, 0), TileColor::White);
}

TEST_F(PlayInputTest, RightClickWhileDraggingUndoesAndCentresThePointer) {
    // Separate passes: the screen reads the pointer as it is when the pass runs.
    Press(MidX(0), MidY(0));
    Pass();
    Motion(MidX(1), MidY(0) + 10, true);
    Pass();
    ASSERT_EQ(circle(), (TilePos{1, 0}));
    Press(MidX(1), MidY(0) + 10, SDL_BUTTON_RIGHT);
    Release(MidX(1), MidY(0) + 10, SDL_BUTTON_RIGHT);
    Pass();
    EXPECT_EQ(circle(), (TilePos{0, 0}));
    EXPECT_EQ(level().Tile(1, 0), TileColor::White);
    EXPECT_TRUE(play->Dragging());
    ASSERT_FALSE(input.warps.empty());
    EXPECT_EQ(input.warps.back(), std::make_pair(MidX(0), MidY(0)));
}

TEST_F(PlayInputTest, HoverShowsTheArrowAndHelpOnlyOverTheBoard) {
    Motion(MidX(0), TileY(1) - 5, false);
    Pass();
    EXPECT_EQ(play->sprites.sprites[PlayState::kArrowSlot].picture, pictures.arrowBlockedDown.get())
        << "the star is below";
    Motion(TileX(1) - 5, MidY(0), false);
    Pass();
    EXPECT_EQ(play->sprites.sprites[PlayState::kArrowSlot].picture, pictures.arrowRight.get());
    EXPECT_EQ(play->sprites.sprites[PlayState::kArrowSlot].x, TileX(0));
    EXPECT_EQ(play->sprites.sprites[PlayState::kHelpSlot].picture, pictures.circleHelp.get());
    EXPECT_EQ(play->sprites.sprites[PlayState::kColorHelpSlot].picture, pictures.whiteHelp.get());
    Motion(MidX(2), MidY(1), false);
    Pass();
    EXPECT_EQ(play->sprites.sprites[PlayState::kArrowSlot].picture, nullptr);
    EXPECT_EQ(play->sprites.sprites[PlayState::kHelpSlot].picture, pictures.whiteHelp.get());
    EXPECT_EQ(play->sprites.sprites[PlayState::kColorHelpSlot].picture, nullptr);
    Motion(150, 300, false);
    Pass();
    EXPECT_EQ(play->sprites.sprites[PlayState::kHelpSlot].picture, nullptr);
    EXPECT_EQ(play->sprites.sprites[PlayState::kColorHelpSlot].picture, nullptr);
}

TEST_F(PlayInputTest, AfterAClickMoveTheHoverArrowStaysUntilThePointerMoves) {
    const int x = TileX(0) + 55;
    Motion(x, MidY(0), false);
    Pass();
    ASSERT_EQ(play->sprites.sprites[PlayState::kArrowSlot].picture, pictures.arrowRight.get());
    Press(x, MidY(0));
    Release(x, MidY(0));
    Pass();
    ASSERT_EQ(circle(), (TilePos{1, 0}));
    EXPECT_EQ(play->sprites.sprites[PlayState::kArrowSlot].picture, nullptr) << "the press hid it; the move doesn't";
    Motion(TileX(1) + 55, MidY(0), false);
    Pass();
    EXPECT_EQ(play->sprites.sprites[PlayState::kArrowSlot].picture, pictures.arrowRight.get());
    EXPECT_EQ(play->sprites.sprites[PlayState::kArrowSlot].x, TileX(1));
}

TEST_F(PlayInputTest, EscapeOnReleaseLeavesForTheMenuWithTheLevelRestarted) {
    KeyUp(SDLK_c);
    KeyUp(SDLK_RIGHT);
    KeyDown(SDLK_ESCAPE);
    Pass();
    ASSERT_EQ(Current<PlayState>(), play);
    KeyUp(SDLK_ESCAPE);
    Pass();
    EXPECT_EQ(Current<PlayState>(), nullptr);
    EXPECT_EQ(circle(), (TilePos{0, 0}));
    EXPECT_TRUE(level().playHistory.empty());
}

}  // namespace
