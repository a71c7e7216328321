// The H key on the play screen: the hint's arrow, how long it stays, the boxes for a dead end
// and for a search cut short, that asking changes nothing of the level or the progress, and a
// long search run a slice per pass: shown as thinking, cancelled by a move.
#include <cstring>
#include <sstream>

#include "ScreenFixture.h"
#include "content/LevelLibrary.h"
#include "content/Tutorial.h"
#include "puzzle/BoardCentring.h"
#include "puzzle/Level.h"
#include "puzzle/LevelTestSupport.h"
#include "puzzle/SolveSearch.h"
#include "render/BoardView.h"
#include "render/MediaStore.h"
#include "render/MessageBoxState.h"
#include "render/ScreenManager.h"
#include "screens/PlayHint.h"
#include "screens/PlayState.h"

using namespace qv;

namespace {

constexpr int kArrowSlot = 14;
constexpr int kThinkingSlot = 20;

// Same size and the same bytes, row by row.
bool SamePixels(SDL_Surface* a, SDL_Surface* b) {
    if (!a || !b || a->w != b->w || a->h != b->h ||
        a->format->BytesPerPixel != b->format->BytesPerPixel)
        return false;
    SDL_LockSurface(a);
    SDL_LockSurface(b);
    bool same = true;
    const auto rowBytes = static_cast<std::size_t>(a->w) * a->format->BytesPerPixel;
    for (int y = 0; y < a->h && same; ++y) {
        same = std::memcmp(static_cast<Uint8*>(a->pixels) + y * a->pitch,
                           static_cast<Uint8*>(b->pixels) + y * b->pitch, rowBytes) == 0;
    }
    SDL_UnlockSurface(b);
    SDL_UnlockSurface(a);
    return same;
}

class PlayHintScreenTest : public ScreenTest {
protected:
    Level& level() { return Library().CurrentLevel(); }
    PlayState* play() { return Current<PlayState>(); }
    Sprite& arrow() { return play()->sprites.sprites[kArrowSlot]; }

    // The move the arrow in slot 14 stands for, read back from its picture and place on the
    // board whose tile (0, 0) has its corner at (left, top): the Line board's by default.
    SolverMove ArrowMove(int left = TileX(0), int top = TileY(0)) {
        const PictureTable& p = pictures;
        SolverMove move;
        move.from = {static_cast<int16_t>((arrow().x - left) / 60),
                     static_cast<int16_t>((arrow().y - top) / 60)};
        EXPECT_EQ(arrow().x, left + 60 * move.from.x) << "the arrow sits on a tile's corner";
        EXPECT_EQ(arrow().y, top + 60 * move.from.y);
        if (arrow().picture == p.arrowUp.get()) move.direction = StepDirection::Up;
        else if (arrow().picture == p.arrowDown.get()) move.direction = StepDirection::Down;
        else if (arrow().picture == p.arrowLeft.get()) move.direction = StepDirection::Left;
        else if (arrow().picture == p.arrowRight.get()) move.direction = StepDirection::Right;
        else ADD_FAILURE() << "slot 14 holds no arrow";
        for (ShapeKind kind : {ShapeKind::Circle, ShapeKind::Star, ShapeKind::Triangle})
            if (level().ShapePos(kind) == move.from) move.shape = kind;
        return move;
    }

    // Presses H and checks what the arrow shows: a shape's move that leaves one move fewer to
    // go, with the level, its history and the progress file just as they were.
    void ExpectHintArrow() {
        const Level before = level();
        const std::string progress = dir.Read("progress.save");
        ClearSounds();
        KeyUp(SDLK_h);
        Pass();
        ASSERT_EQ(play(), Current<PlayState>()) << "no box for a level with a way home";
        ASSERT_NE(arrow().picture, nullptr);
        const SolverMove move = ArrowMove();
        EXPECT_EQ(level().ShapePos(move.shape), move.from) << "the arrow is on a shape";
        Level after = level();
        const TilePos to = StepTarget(move.from, move.direction);
        ASSERT_TRUE(after.MoveShape(move.from, to.x, to.y));
        EXPECT_EQ(SolveLevel(after).moveCount, SolveLevel(level()).moveCount - 1);

        EXPECT_TRUE(level().SameContent(before));
        EXPECT_EQ(level().playHistory.size(), before.playHistory.size());
        EXPECT_EQ(dir.Read("progress.save"), progress);
        EXPECT_FALSE(Played(MoveSound) || Played(BlockedSound)) << "a hint makes no sound";
    }

    void MoveRight(SDLKey select) {
        KeyUp(select);
        KeyUp(SDLK_RIGHT);
        Pass();
    }

    // Replaces the Line level with `numbers` and plays it.
    void PlayBoard(const std::string& numbers) {
        dir.Write("levels/line.txt", numbers + "\nLine\n");
        WriteProgress({});
        OpenPlay(1, 0);
        ASSERT_NE(play(), nullptr);
    }

    // Presses H and checks that a box with this title and text covers the unchanged screen.
    void ExpectHintBox(const std::string& title, const std::string& text) {
        PlayState* screen = play();
        const Level before = level();
        KeyUp(SDLK_h);
        Pass();
        // A long search answers after about a second's worth of short passes.
        for (int pass = 0; pass < 1000 && screen->HintPending(); ++pass) Pass();
        auto* box = Current<MessageBoxState>();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(screens.Covered(), screen);
        MessageBoxState expected(Context(), title, text, static_cast<SDL_Surface*>(nullptr), {});
        EXPECT_TRUE(SamePixels(box->box.get(), expected.box.get())) << title;
        EXPECT_TRUE(level().SameContent(before));
        EXPECT_EQ(level().playHistory.size(), before.playHistory.size());

        KeyUp(SDLK_ESCAPE);
        Pass();
        EXPECT_EQ(Current<PlayState>(), screen) << "the box closes onto the same screen";
        EXPECT_EQ(screen->sprites.sprites[kArrowSlot].picture, nullptr);
    }
};

TEST_F(PlayHintScreenTest, ArrowShowsTheNextShortestMoveFromWhereverThePlayerIs) {
    OpenPlay(1, 0);
    ASSERT_NE(play(), nullptr);
    ExpectHintArrow();
    MoveRight(SDLK_c);
    ExpectHintArrow();
    EXPECT_NE(ArrowMove().shape, ShapeKind::Circle) << "the circle is home already";
    // A detour: the star up onto the tile the circle left, then the hint again.
    KeyUp(SDLK_s);
    KeyUp(SDLK_UP);
    Pass();
    ASSERT_EQ(level().starPos, (TilePos{0, 0}));
    ExpectHintArrow();
}

TEST_F(PlayHintScreenTest, ArrowStaysUntilThePointerMovesOrAMoveIsMade) {
    OpenPlay(1, 0);
    ASSERT_NE(play(), nullptr);
    KeyUp(SDLK_h);
    Pass();
    ASSERT_NE(arrow().picture, nullptr);
    KeyUp(SDLK_c);  // selecting is not a move
    KeyUp(SDLK_LEFT);  // nor is a refused one
    Pass();
    EXPECT_NE(arrow().picture, nullptr);
    KeyUp(SDLK_RIGHT);
    Pass();
    EXPECT_EQ(arrow().picture, nullptr) << "a move was made";
    KeyUp(SDLK_h);
    Pass();
    ASSERT_NE(arrow().picture, nullptr);
    KeyUp(SDLK_z, KMOD_LCTRL);
    Pass();
    EXPECT_EQ(arrow().picture, nullptr) << "a move was taken back";

    KeyUp(SDLK_h);
    Pass();
    ASSERT_NE(arrow().picture, nullptr);
    Motion(790, 590, false);
    Pass();
    EXPECT_EQ(arrow().picture, nullptr) << "the hover arrow took the slot back";
    // Hovering a shape shows the hover arrow as ever, and a move then leaves it in place.
    Motion(TileX(0) + 55, TileY(1) + 30, false);
    Pass();
    EXPECT_EQ(arrow().picture, pictures.arrowRight.get());
    KeyUp(SDLK_s);
    KeyUp(SDLK_RIGHT);
    Pass();
    EXPECT_EQ(arrow().picture, pictures.arrowRight.get());
}

TEST_F(PlayHintScreenTest, DeadEndSaysSoAndSuggestsUndoOrRestart) {
    // A one-row corridor in which the circle and the star would have to pass each other.
    PlayBoard("4 1 7 7 7 7 0 0 1 0 3 0 1 0 0 0 3 0");
    ExpectHintBox("No way home from here",
                  "The shapes can't all reach their goals\nfrom this position.\n"
                  "Use Undo or Restart to try another way.");
}

TEST_F(PlayHintScreenTest, SearchCutShortSaysTheHintTookTooLong) {
    PlayBoard(SealedSwapBoard());
    ExpectHintBox("No hint this time",
                  "The hint could not be worked out in time.\n"
                  "Try a few more moves, then ask again.");
}

TEST_F(PlayHintScreenTest, ALongSearchShowsItThinksAndAMoveCancelsIt) {
    PlayBoard(SealedSwapBoard());
    KeyUp(SDLK_h);
    Pass();
    ASSERT_TRUE(play()->HintPending()) << "a second's search takes many passes";
    EXPECT_NE(play()->sprites.sprites[kThinkingSlot].picture, nullptr) << "thinking... shows";
    KeyUp(SDLK_h);  // asking again changes nothing
    KeyUp(SDLK_t);
    KeyUp(SDLK_RIGHT);
    Pass();
    ASSERT_EQ(level().playHistory.size(), 1u);
    EXPECT_FALSE(play()->HintPending());
    EXPECT_FALSE(play()->Thinking());
    EXPECT_EQ(play()->sprites.sprites[kThinkingSlot].picture, nullptr);
    PushMarker();
    Pass();
    EXPECT_EQ(Current<PlayState>(), play()) << "no box comes for the hint given up";
    EXPECT_EQ(arrow().picture, nullptr);
}

TEST_F(PlayHintScreenTest, AHintWorkedOutOverManyPassesIsTheOneSearchedInOneGo) {
    // "Primary Blockers": some 169,000 states from its start.
    std::ostringstream board;
    Level primary = TutorialLevel(3);
    primary.introText.clear();  // no intro box before play
    primary.WriteLevel(board);
    dir.Write("levels/line.txt", board.str());
    WriteProgress({});
    OpenPlay(1, 0);
    ASSERT_NE(play(), nullptr);
    const Hint expected = FindHint(level(), {kHintLimits.maxStates, 0});
    ASSERT_EQ(expected.outcome, HintOutcome::Move);
    KeyUp(SDLK_h);
    Pass();
    for (int pass = 0; pass < 1000 && play()->HintPending(); ++pass) Pass();
    ASSERT_NE(arrow().picture, nullptr);
    const BoardOffset offset = CentredBoardOffset(level());
    const SolverMove shown = ArrowMove(kBoardX + offset.x, kBoardY + offset.y);
    EXPECT_EQ(shown.shape, expected.move.shape);
    EXPECT_EQ(shown.from, expected.move.from);
    EXPECT_EQ(shown.direction, expected.move.direction);
}

}  // namespace
