// What the play screen tells about a solve: the move counter and par, the records file, the
// "Well done" and "Set complete" boxes, and the answer to a move against the rules.
#include "ScreenFixture.h"

#include "content/LevelLibrary.h"
#include "render/MessageBoxState.h"
#include "render/MessageBoxes.h"
#include "render/ScreenManager.h"
#include "screens/MainMenuState.h"
#include "screens/PlayState.h"

using namespace qv;

namespace {

class PlayRecordsTest : public ScreenTest {
protected:
    // Selects a shape and moves it one tile, then lets the screen see it.
    void Move(SDLKey shape, SDLKey arrow) {
        KeyUp(shape);
        KeyUp(arrow);
        Pass();
    }
    void SolveLineIn3() {
        for (SDLKey shape : {SDLK_c, SDLK_s, SDLK_t}) Move(shape, SDLK_RIGHT);
    }
    // The star home first, then the circle down, back up and home: two moves more.
    void SolveLineIn5() {
        Move(SDLK_s, SDLK_RIGHT);
        Move(SDLK_c, SDLK_DOWN);
        Move(SDLK_c, SDLK_UP);
        Move(SDLK_c, SDLK_RIGHT);
        Move(SDLK_t, SDLK_RIGHT);
    }
    std::string BoxText() {
        const auto* box = Current<MessageBoxState>();
        return box ? box->title + ": " + box->text : "no box";
    }
};

TEST_F(PlayRecordsTest, TheCounterFollowsMovesUndoAndRestart) {
    OpenPlay(1, 0);
    PlayState* play = Current<PlayState>();
    EXPECT_EQ(play->ShownMoves(), 0);
    Move(SDLK_c, SDLK_RIGHT);
    Move(SDLK_s, SDLK_RIGHT);
    EXPECT_EQ(play->ShownMoves(), 2);
    Move(SDLK_c, SDLK_UP);  // off the board
    EXPECT_EQ(play->ShownMoves(), 2) << "a refused move is not counted";
    KeyUp(SDLK_z, KMOD_LCTRL);
    Pass();
    EXPECT_EQ(play->ShownMoves(), 1);
    KeyUp(SDLK_r, KMOD_LCTRL);
    Pass();
    EXPECT_EQ(play->ShownMoves(), 0);
}

TEST_F(PlayRecordsTest, ParComesFromTheTableButIsWorkedOutForThePlayersOwnLevels) {
    OpenPlay(1, 0);
    EXPECT_EQ(Current<PlayState>()->ShownPar(), std::nullopt) << "no table, no par";
    dir.Write("levels/par.txt", "3 levels/line.txt\n9 levels/mine.txt\n");
    WriteProgress({});
    OpenPlay(1, 0);
    EXPECT_EQ(Current<PlayState>()->ShownPar(), 3);
    OpenPlay(3, 0);
    EXPECT_EQ(Current<PlayState>()->ShownPar(), 3) << "the solver's answer, not the table's 9";
    // The circle and the triangle would have to pass each other in a single row.
    dir.Write("levels/mine.txt", "3 1 7 7 7 0 0 1 0 2 0 2 0 1 0 0 0\nStuck\n");
    WriteProgress({});
    OpenPlay(3, 0);
    EXPECT_EQ(Current<PlayState>()->ShownPar(), std::nullopt);
}

TEST_F(PlayRecordsTest, SolvesKeepTheBestInTheRecordsAndTheBoxSaysHowItWent) {
    dir.Write("levels/par.txt", "3 levels/line.txt\n");
    WriteProgress({});
    OpenPlay(1, 0);
    SolveLineIn5();
    Pass();
    EXPECT_EQ(BoxText(), "Well done: Solved in 5 moves.\nThe fewest possible is 3.");
    EXPECT_EQ(dir.Read("records.save"), "5 levels/line.txt d88e9eb3\n");

    CloseBox();
    OpenPlay(1, 0);
    SolveLineIn3();
    Pass();
    EXPECT_EQ(BoxText(), "Well done: Solved in 3 moves. A new best.\nThat is the fewest possible.");
    EXPECT_EQ(dir.Read("records.save"), "3 levels/line.txt d88e9eb3\n");

    CloseBox();
    OpenPlay(1, 0);
    SolveLineIn5();
    Pass();
    EXPECT_EQ(dir.Read("records.save"), "3 levels/line.txt d88e9eb3\n");
}

TEST_F(PlayRecordsTest, FinishingASetShowsItsBoxAfterWellDoneAndBeforeTheNextIntro) {
    dir.Write("levels/par.txt", "3 levels/line.txt\n");
    WriteProgress({});
    OpenPlay(1, 0);
    SolveLineIn3();
    Pass();
    EXPECT_EQ(Current<MessageBoxState>()->title, "Well done") << "level 2 of the set is open";
    CloseBox();
    Pass();  // "Twin"'s intro
    EXPECT_EQ(Current<MessageBoxState>()->title, "Twin");
    CloseBox();
    SolveLineIn3();
    Pass();
    EXPECT_EQ(Current<MessageBoxState>()->title, "Well done");
    CloseBox();
    Pass();
    EXPECT_EQ(BoxText(), "Set complete: Every level of \"first\" is solved.\n"
                         "1 of its 2 levels is solved in par.\n"
                         "Play one again to match its fewest moves.\n\n"
                         "Next comes \"second\".")
        << "the table has no par for \"Twin\", and only the player's own levels are solved for it";
}

TEST_F(PlayRecordsTest, ARefusedMoveShakesItsShapeWithoutWaitingForInput) {
    OpenPlay(1, 0);
    PlayState* play = Current<PlayState>();
    ClearSounds();
    Move(SDLK_c, SDLK_LEFT);
    EXPECT_TRUE(Played(BlockedSound));
    EXPECT_TRUE(play->Shaking());
    // Each pass now waits only for the next frame, and the shake ends by itself.
    for (int pass = 0; pass < 100 && play->Shaking(); ++pass) Pass();
    EXPECT_FALSE(play->Shaking());
    EXPECT_EQ(play->sprites.sprites[ShapeSlot(ShapeKind::Circle)].x, TileX(0));
}

}  // namespace
