// The H key on the play screen: the hint's arrow, how long it stays, the boxes for a dead end
// and for a search cut short, and that asking changes nothing of the level or the progress.
#include <cstring>

#include "ScreenFixture.h"
#include "content/LevelLibrary.h"
#include "puzzle/Level.h"
#include "puzzle/Solver.h"
#include "render/MediaStore.h"
#include "render/MessageBoxState.h"
#include "render/ScreenManager.h"
#include "screens/PlayState.h"

using namespace qv;

namespace {

constexpr int kArrowSlot = 14;

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
    // Line board.
    SolverMove ArrowMove() {
        const PictureTable& p = Pictures();
        SolverMove move;
        move.from = {static_cast<int16_t>((arrow().x - TileX(0)) / 60),
                     static_cast<int16_t>((arrow().y - TileY(0)) / 60)};
        EXPECT_EQ(arrow().x, TileX(move.from.x)) << "the arrow sits on a tile's corner";
        EXPECT_EQ(arrow().y, TileY(move.from.y));
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
        auto* box = Current<MessageBoxState>();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(Screens().savedState.get(), screen);
        MessageBoxState expected(title, text, static_cast<SDL_Surface*>(nullptr), {});
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
    EXPECT_EQ(arrow().picture, Pictures().arrowRight.get());
    KeyUp(SDLK_s);
    KeyUp(SDLK_RIGHT);
    Pass();
    EXPECT_EQ(arrow().picture, Pictures().arrowRight.get());
}

TEST_F(PlayHintScreenTest, DeadEndSaysSoAndSuggestsUndoOrRestart) {
    // A one-row corridor in which the circle and the star would have to pass each other.
    PlayBoard("4 1 7 7 7 7 0 0 1 0 3 0 1 0 0 0 3 0");
    ExpectHintBox("No way home from here",
                  "The shapes can't all reach their goals\nfrom this position.\n"
                  "Use Undo or Restart to try another way.");
}

TEST_F(PlayHintScreenTest, SearchCutShortSaysTheHintTookTooLong) {
    // The circle and the star swapped on a sealed strip, the triangle free on 45 white tiles:
    // hopeless, but far too big to prove so within the hint's limits.
    std::string numbers = "9 7 7 7 0 0 0 0 0 0 0";
    for (int i = 0; i < 9; ++i) numbers += " 0";
    for (int i = 0; i < 45; ++i) numbers += " 7";
    PlayBoard(numbers + " 0 0 1 0 0 2 1 0 0 0 8 6");
    ExpectHintBox("No hint this time",
                  "The hint could not be worked out in time.\n"
                  "Try a few more moves, then ask again.");
}

}  // namespace
