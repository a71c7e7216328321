// Screens draw only what changed since their last pass. Whatever the passes did, the display
// must then hold exactly the picture a whole redraw gives, at scale 1 and 2 and after a new
// window size mid-game; and a pass that changes nothing must draw nothing and send the window
// nothing.
#include <filesystem>
#include <string>
#include <vector>

#include "EditorFixture.h"
#include "render/FrameUpdate.h"
#include "render/MediaStore.h"
#include "render/MessageBoxState.h"
#include "render/ScreenManager.h"
#include "screens/MainMenuState.h"
#include "screens/PlayState.h"

using namespace qv;

namespace {

std::vector<Uint32> PixelsOf(SDL_Surface* display) {
    std::vector<Uint32> pixels;
    SDL_LockSurface(display);
    for (int y = 0; y < display->h; ++y) {
        const Uint8* bytes = static_cast<const Uint8*>(display->pixels) + y * display->pitch;
        const auto* row = reinterpret_cast<const Uint32*>(bytes);
        pixels.insert(pixels.end(), row, row + display->w);
    }
    SDL_UnlockSurface(display);
    return pixels;
}

std::vector<Uint32> DisplayPixels() { return PixelsOf(SDL_GetVideoSurface()); }

// The display at the parameter's scale.
class FrameUpdateTest : public EditorTest, public ::testing::WithParamInterface<int> {
protected:
    // The shipped pictures: alpha-blended shapes, arrows and buttons over the real backgrounds.
    void SetUp() override {
        EditorTest::SetUp();
        std::filesystem::create_directory_symlink(std::string(QV_SOURCE_DIR) + "/data/graphics",
                                                  dir.path() + "/graphics");
        gameDisplay.LoadPictures();
        gameDisplay.Resize(PixelSize{800 * GetParam(), 600 * GetParam()});
    }

    // The display as the passes so far left it must equal the current screen drawn whole.
    void ExpectWholeRedrawMatches(const std::string& step) {
        const std::vector<Uint32> drawnInParts = DisplayPixels();
        frame.Invalidate();
        screens.Current()->Draw();
        const std::vector<Uint32> drawnWhole = DisplayPixels();
        ASSERT_EQ(drawnInParts.size(), drawnWhole.size());
        for (std::size_t i = 0; i < drawnWhole.size(); ++i) {
            if (drawnInParts[i] == drawnWhole[i]) continue;
            const std::size_t width = static_cast<std::size_t>(SDL_GetVideoSurface()->w);
            ADD_FAILURE() << step << ": first differing pixel at (" << i % width << ", "
                          << i / width << ")";
            return;
        }
    }

    void ClickAt(int x, int y, Uint8 button = SDL_BUTTON_LEFT) {
        Press(x, y, button);
        Release(x, y, button);
        Pass();
    }
    void HoverAt(int x, int y) {
        Motion(x, y, false);
        Pass();
    }
    // Points in the right-hand section of a tile of the play screen's Line board, in its
    // middle column, and in its middle row.
    static int RightOf(int column) { return TileX(column) + 55; }
    static int TopOf(int column) { return TileX(column) + 30; }
    static int MiddleOf(int row) { return TileY(row) + 30; }

    // The window's border dragged to a new size, as the system tells it.
    void ResizeWindow(int width, int height) {
        SDL_Event event{};
        event.type = SDL_VIDEORESIZE;
        event.resize.w = width;
        event.resize.h = height;
        SDL_PushEvent(&event);
        Pass();
    }

    void Key(SDLKey key, SDLMod mod = KMOD_NONE) {
        KeyDown(key, mod);
        KeyUp(key, mod);
        Pass();
    }
};

TEST_P(FrameUpdateTest, PlayScreenDrawnInPartsEqualsAWholeRedraw) {
    OpenPlay(1, 0);
    ExpectWholeRedrawMatches("opened");
    HoverAt(RightOf(0), MiddleOf(0));
    ExpectWholeRedrawMatches("arrow and help over the circle");
    HoverAt(TopOf(0), ScreenTest::TileY(0) + 5);
    ExpectWholeRedrawMatches("refused arrow");
    ClickAt(RightOf(0), MiddleOf(0));
    ExpectWholeRedrawMatches("circle moved by a click");
    Key(SDLK_c);
    Key(SDLK_LEFT);
    ExpectWholeRedrawMatches("selected circle moved back by a key");
    Key(SDLK_RIGHT);  // onto its own red: refused, and the circle shakes
    for (int i = 0; i < 20 && Current<PlayState>()->Shaking(); ++i) Pass();
    ASSERT_FALSE(Current<PlayState>()->Shaking());
    ExpectWholeRedrawMatches("after the shake");
    ClickAt(700, 300, SDL_BUTTON_RIGHT);
    ExpectWholeRedrawMatches("undone");
    Key(SDLK_h);
    ExpectWholeRedrawMatches("hint");
    Press(TileX(0) + 30, MiddleOf(1));
    Pass();
    Motion(TileX(1) + 10, MiddleOf(1), true);
    Pass();
    ExpectWholeRedrawMatches("star dragged half way");
    // A new window size in the middle of the drag: a scale of 1.5 between bars.
    ResizeWindow(1400, 900);
    ExpectWholeRedrawMatches("window resized");
    Motion(TileX(1) + 20, MiddleOf(1), true);
    Pass();
    Release(TileX(1) + 20, MiddleOf(1));
    Pass();
    ExpectWholeRedrawMatches("star dropped");
    EXPECT_EQ(Library().CurrentLevel().starPos, (TilePos{1, 1}));
    EXPECT_EQ(Library().CurrentLevel().playHistory.size(), 2u);
}

// A box kept open through a new window size shows over the screen under it at the new size.
TEST_P(FrameUpdateTest, ABoxStaysOpenThroughANewWindowSize) {
    OpenPlay(1, 1);  // "Twin" opens with its intro box
    ASSERT_NE(Current<MessageBoxState>(), nullptr);
    ResizeWindow(1000, 700);
    MessageBoxState* box = Current<MessageBoxState>();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text, "Read me first\n");
    // Under it the play screen drawn at the new size, not the new window's empty picture.
    ASSERT_NE(box->background, nullptr);
    EXPECT_NE(PixelsOf(box->background.get())[static_cast<std::size_t>(box->background->w / 2)],
              0u);
    ExpectWholeRedrawMatches("box over the play screen");
    CloseBox();
    screens.Present();
    ExpectWholeRedrawMatches("box closed");
}

TEST_P(FrameUpdateTest, MenuDrawnInPartsEqualsAWholeRedraw) {
    WriteProgress({{1, 1, LevelStatus::Locked}});
    OpenMenu();
    ClickAt(60, 150 + 18 + 9);  // the first set after the tutorial
    Key(SDLK_DOWN);
    ExpectWholeRedrawMatches("locked level chosen");
    Key(SDLK_UP);
    ExpectWholeRedrawMatches("open level chosen again");
    Key(SDLK_DOWN, KMOD_LSHIFT);
    Key(SDLK_DOWN, KMOD_LSHIFT);
    ExpectWholeRedrawMatches("own set with its Edit button");
    HoverAt(650, 440);
    ExpectWholeRedrawMatches("hovering Play");
    ClickAt(40, 560);
    ExpectWholeRedrawMatches("music switched");
}

TEST_P(FrameUpdateTest, EditorDrawnInPartsEqualsAWholeRedraw) {
    OpenEditor();
    ClickButton(EditorButton::Red);
    Click(MidX(2), MidY(0));
    ExpectWholeRedrawMatches("tile painted");
    ClickButton(EditorButton::Black);
    Click(MidX(3), MidY(0));
    ExpectWholeRedrawMatches("tile removed");
    Drag(MidX(0), MidY(0), MidX(2), MidY(2));
    ExpectWholeRedrawMatches("circle dragged");
    CtrlKey(SDLK_t);
    Type("ab");
    ExpectWholeRedrawMatches("name typed with the caret");
    TypeChar(SDLK_RETURN, SDLK_RETURN);
    ExpectWholeRedrawMatches("caret gone");
}

TEST_P(FrameUpdateTest, APassThatChangesNothingDrawsAndSendsNothing) {
    OpenPlay(1, 0);
    const auto runPass = [this] {
        screens.RunPass();
        return frame.Totals();
    };
    Motion(RightOf(0), MiddleOf(0), false);
    const FrameUpdate::Counts before = runPass();
    Motion(RightOf(0) - 2, MiddleOf(0), false);
    const FrameUpdate::Counts hovered = runPass();
    EXPECT_EQ(hovered.blits, before.blits);
    EXPECT_EQ(hovered.wholeUpdates, before.wholeUpdates);
    EXPECT_EQ(hovered.partUpdates, before.partUpdates);

    // A move sends the window only rectangles.
    Press(RightOf(0) - 2, MiddleOf(0));
    Release(RightOf(0) - 2, MiddleOf(0));
    const FrameUpdate::Counts moved = runPass();
    EXPECT_EQ(Library().CurrentLevel().circlePos, (TilePos{1, 0}));
    EXPECT_EQ(moved.wholeUpdates, hovered.wholeUpdates);
    EXPECT_EQ(moved.partUpdates, hovered.partUpdates + 1);
}

INSTANTIATE_TEST_SUITE_P(Scales, FrameUpdateTest, ::testing::Values(1, 2));

}  // namespace
