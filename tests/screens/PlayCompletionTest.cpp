// What happens when a level is solved: the progress record, the "Well done" box and the next
// level, the way back to the menu after the last levels, and the way back to the editor.
#include "ScreenFixture.h"

#include "content/LevelLibrary.h"
#include "puzzle/Level.h"
#include "render/MessageBoxState.h"
#include "render/MessageBoxes.h"
#include "render/ScreenManager.h"
#include "screens/MainMenuState.h"
#include "screens/PlayState.h"

using namespace qv;

namespace {

class PlayCompletionTest : public ScreenTest {
protected:
    // Moves each shape of the Line board one tile right, onto its goal, and lets the screen
    // notice the solve.
    void SolveLine() {
        for (SDLKey select : {SDLK_c, SDLK_s, SDLK_t}) {
            KeyUp(select);
            KeyUp(SDLK_RIGHT);
        }
        Pass();
    }

    std::string ProgressBytes() { return dir.Read("progress.save"); }
};

TEST_F(PlayCompletionTest, SolvingRecordsProgressThenShowsWellDoneOverTheNextLevel) {
    WriteProgress({{1, 1, LevelStatus::Locked}});
    OpenPlay(1, 0);
    SolveLine();
    PlayState* play = Current<PlayState>();
    ASSERT_NE(play, nullptr);
    EXPECT_TRUE(play->SolvePending());
    EXPECT_EQ(Library().Set(1).levelStatus[0], LevelStatus::Solved);
    EXPECT_EQ(Library().Set(1).levelStatus[1], LevelStatus::Open) << "the next level opens";
    // Set 1, level 0, Solved is the record 0x02 0x08; level 1 Open is 0x04 0x08.
    const std::string bytes = ProgressBytes();
    EXPECT_NE(bytes.find(std::string{'\x02', '\x08'}), std::string::npos);
    EXPECT_NE(bytes.find(std::string{'\x04', '\x08'}), std::string::npos);

    Pass();  // the completion sequence
    ASSERT_NE(Current<MessageBoxState>(), nullptr);
    EXPECT_EQ(screens.Covered(), play);
    EXPECT_FALSE(play->SolvePending());

    // Closing the box leads on to the next level, the solved one back at its start, and
    // brings the next level's intro.
    CloseBox();
    EXPECT_EQ(Library().CurrentLevelIndex(), 1);
    EXPECT_EQ(Library().LevelAt(0).circlePos, (TilePos{0, 0})) << "the solved level was restarted";
    ASSERT_EQ(Current<PlayState>(), play);
    Pass();
    EXPECT_NE(Current<MessageBoxState>(), nullptr);
}

TEST_F(PlayCompletionTest, SolvingTheLastLevelOfTheSetBeforeTheLastReturnsToTheMenu) {
    // Solved before: the set is not finished for the first time, which would bring its box.
    WriteProgress({{2, 0, LevelStatus::Solved}});
    OpenPlay(2, 0);
    SolveLine();
    Pass();
    EXPECT_NE(Current<MainMenuState>(), nullptr);
    EXPECT_EQ(screens.Covered(), nullptr) << "no completion box";
    EXPECT_EQ(Library().CurrentLevel().name, "Last Of Second");
    EXPECT_TRUE(Library().CurrentLevel().playHistory.empty());
}

TEST_F(PlayCompletionTest, SolvingTheLastLevelOfTheLastSetReturnsToTheMenu) {
    WriteProgress({{3, 0, LevelStatus::Solved}});
    OpenPlay(3, 0);
    SolveLine();
    Pass();
    EXPECT_NE(Current<MainMenuState>(), nullptr);
    EXPECT_EQ(screens.Covered(), nullptr);
    EXPECT_EQ(Library().Set(3).levelStatus[0], LevelStatus::Solved);
}

TEST_F(PlayCompletionTest, FinishingASetThatLeadsToTheMenuShowsItsBoxOverTheMenu) {
    OpenPlay(3, 0);
    SolveLine();
    Pass();
    ASSERT_NE(Current<MessageBoxState>(), nullptr);
    EXPECT_NE(dynamic_cast<MainMenuState*>(screens.Covered()), nullptr);
    EXPECT_EQ(Current<MessageBoxState>()->text,
              "Solved in 3 moves.\nThat is the fewest possible.\n\n"
              "Every level of \"be creative\" is solved.\nIt is solved in par.\n\n"
              "That was the last set. Thank you for playing!");
}

TEST_F(PlayCompletionTest, SolvingALevelTriedFromTheEditorGoesBackWithTheLevelAtItsStart) {
    OpenPlay(3, 0);
    Library().CurrentLevel().fromEditor = true;
    SolveLine();
    Pass();
    EXPECT_EQ(Current<PlayState>(), nullptr);
    EXPECT_EQ(Current<MainMenuState>(), nullptr);
    EXPECT_EQ(screens.Covered(), nullptr);
    EXPECT_EQ(Library().CurrentLevel().circlePos, (TilePos{0, 0}));
    EXPECT_TRUE(Library().CurrentLevel().playHistory.empty());
}

TEST_F(PlayCompletionTest, AltWMovesOnWithoutRecordingTheSolve) {
    OpenPlay(1, 0);
    const std::string before = ProgressBytes();
    KeyUp(SDLK_w);
    Pass();
    EXPECT_FALSE(Current<PlayState>()->SolvePending()) << "W without Alt";
    KeyUp(SDLK_w, KMOD_LALT);
    Pass();
    Pass();
    EXPECT_NE(Current<MessageBoxState>(), nullptr);
    CloseBox();
    EXPECT_EQ(Library().CurrentLevelIndex(), 1);
    EXPECT_EQ(Library().Set(1).levelStatus[0], LevelStatus::Open);
    EXPECT_EQ(ProgressBytes(), before);
}

TEST_F(PlayCompletionTest, ALevelAlreadySolvedAtTheStartIsSolvedAfterTheFirstInput) {
    dir.Write("levels/mine.txt", "3 1 7 7 7 0 0 1 0 2 0 0 0 1 0 2 0\nHome\n");
    WriteProgress({{3, 0, LevelStatus::Solved}});
    OpenPlay(3, 0);
    PushMarker();
    Pass();
    EXPECT_TRUE(Current<PlayState>()->SolvePending());
    // Already solved: nothing more to unlock, but the progress is written all the same.
    EXPECT_EQ(Library().Set(3).levelStatus[0], LevelStatus::Solved);
}

TEST_F(PlayCompletionTest, TheIntroComesAgainAfterEveryRestartWhenThereIsOne) {
    OpenPlay(1, 1);  // "Twin" has an intro text
    ASSERT_NE(Current<MessageBoxState>(), nullptr);
    CloseBox();
    KeyUp(SDLK_r, KMOD_LCTRL);
    Pass();
    ASSERT_NE(Current<PlayState>(), nullptr);
    Pass();
    EXPECT_NE(Current<MessageBoxState>(), nullptr);

    OpenPlay(1, 0);  // "Line" has none: no box at the start or after a restart
    EXPECT_NE(Current<PlayState>(), nullptr);
    KeyUp(SDLK_r, KMOD_LCTRL);
    Pass();
    Pass();
    EXPECT_NE(Current<PlayState>(), nullptr);
    EXPECT_EQ(Current<MessageBoxState>(), nullptr);
}

TEST_F(PlayCompletionTest, ALockedLevelIsReportedAndPlayedAnyway) {
    WriteProgress({{1, 0, LevelStatus::Locked}});
    OpenPlay(1, 0);
    ASSERT_NE(Current<PlayState>(), nullptr);
    EXPECT_EQ(BoxesTitled("Error"),
              (std::vector<ErrorRecorder::Box>{
                  {"Error", "Shouldn't be able to play locked level."}}));
    KeyUp(SDLK_c);
    KeyUp(SDLK_RIGHT);
    Pass();
    EXPECT_EQ(Library().CurrentLevel().circlePos, (TilePos{1, 0}));
}

}  // namespace
