// The play screen's comforts: redo, the level taken up where it was left, and a shortest way
// watched after a solve.
#include "ScreenFixture.h"

#include "render/MessageBoxState.h"
#include "screens/PlayKeeping.h"
#include "screens/PlayReplay.h"
#include "screens/PlayState.h"

using namespace qv;

namespace {

class PlayComfortsTest : public ScreenTest {
protected:
    void Move(SDLKey shape, SDLKey arrow) {
        KeyUp(shape);
        KeyUp(arrow);
        Pass();
    }
    Level& level() { return Library().CurrentLevel(); }
    int Shown() { return Current<PlayState>()->ShownMoves(); }
};

TEST_F(PlayComfortsTest, RedoKeysAndButtonGiveBackWhatUndoAndRestartTookBack) {
    OpenPlay(1, 0);
    Move(SDLK_c, SDLK_RIGHT);
    Move(SDLK_s, SDLK_RIGHT);
    const Level two = level();
    KeyUp(SDLK_z, KMOD_LCTRL);
    KeyUp(SDLK_z, KMOD_LCTRL);
    Pass();
    EXPECT_EQ(Shown(), 0);
    KeyUp(SDLK_y, KMOD_LCTRL);
    Pass();
    EXPECT_EQ(Shown(), 1);
    Press(100, 30);  // the redo button
    Release(100, 30);
    Pass();
    EXPECT_EQ(Shown(), 2);
    EXPECT_TRUE(level().SameContent(two));

    // A restart by mistake: Ctrl+Z brings both moves back, Ctrl+Shift+Z restarts again.
    KeyUp(SDLK_r, KMOD_LCTRL);
    Pass();
    Pass();  // the intro's turn, which reads no input
    EXPECT_EQ(Shown(), 0);
    KeyUp(SDLK_z, KMOD_LCTRL);
    Pass();
    EXPECT_EQ(Shown(), 2);
    EXPECT_TRUE(level().SameContent(two));
    KeyUp(SDLK_z, static_cast<SDLMod>(KMOD_LCTRL | KMOD_LSHIFT));
    Pass();
    EXPECT_EQ(Shown(), 0);
}

TEST_F(PlayComfortsTest, AKeptPositionSurvivesAQuitAndIsDroppedWhenTheLevelChanges) {
    OpenPlay(1, 0);
    Move(SDLK_c, SDLK_RIGHT);
    Move(SDLK_t, SDLK_RIGHT);
    const Level left = level();
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    Pass();
    screens.Clear();  // as the game ends

    WriteProgress({});  // a new game in the same folder
    OpenPlay(1, 0);
    ASSERT_NE(Current<MessageBoxState>(), nullptr);
    EXPECT_EQ(Current<MessageBoxState>()->title, kResumedTitle);
    CloseBox();
    EXPECT_EQ(Current<PlayState>()->ResumedMoves(), 2);
    EXPECT_TRUE(level().SameContent(left));
    EXPECT_EQ(level().playHistory.size(), 2u);

    // Escape keeps the position too; then the level is saved with another board.
    KeyUp(SDLK_ESCAPE);
    Pass();
    EXPECT_TRUE(Library().LevelAt(0).playHistory.empty()) << "the library's copy is at its start";
    dir.Write("levels/line.txt", "4 3 7 7 7 7 7 7 7 7 7 7 7 7 0 0 0 1 0 2 2 0 2 1 2 2\nLine\n");
    WriteProgress({});
    OpenPlay(1, 0);
    EXPECT_EQ(Current<PlayState>()->ResumedMoves(), 0);
    EXPECT_EQ(dir.Read("continue.save"), "");
}

TEST_F(PlayComfortsTest, AShortestWayWatchedAfterASolveEndsSolvedAndRecordsNothing) {
    dir.Write("levels/par.txt", "3 levels/line.txt\n");
    WriteProgress({});
    OpenPlay(1, 0);
    for (SDLKey shape : {SDLK_c, SDLK_s, SDLK_t}) Move(shape, SDLK_RIGHT);
    Pass();  // "Well done", with its offer
    ASSERT_NE(Current<MessageBoxState>(), nullptr);
    const std::string records = dir.Read("records.save");
    const std::string progress = dir.Read("progress.save");
    screens.CloseBox(1);  // watch
    screens.CarryOutRequests();
    PlayState* play = Current<PlayState>();
    ASSERT_NE(play, nullptr);
    EXPECT_TRUE(play->Watching());
    EXPECT_EQ(Library().CurrentLevelIndex(), 0) << "the solved level is watched";
    for (int pass = 0; pass < 10; ++pass) {
        clock.Sleep(PlayReplay::kStepMs);
        PushMarker();
        Pass();
    }
    EXPECT_TRUE(level().IsSolved());
    EXPECT_EQ(play->ShownMoves(), 3) << "a shortest way";
    KeyUp(SDLK_LEFT);  // a step back
    Pass();
    EXPECT_EQ(play->ShownMoves(), 2);
    EXPECT_EQ(dir.Read("records.save"), records);
    EXPECT_EQ(dir.Read("progress.save"), progress);

    // Leaving goes on to the next level, as "Well done" would have.
    KeyUp(SDLK_ESCAPE);
    Pass();
    EXPECT_FALSE(play->Watching());
    EXPECT_EQ(Library().CurrentLevelIndex(), 1);
    EXPECT_TRUE(Library().LevelAt(0).playHistory.empty());
}

}  // namespace
