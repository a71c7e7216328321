// Choosing sets and levels in the main menu and leaving it for the play screen or the editor.
#include "ScreenFixture.h"

#include <cmath>
#include <cstdio>

#include "content/LevelLibrary.h"
#include "content/Settings.h"
#include "puzzle/Level.h"
#include "render/MediaStore.h"
#include "render/ScreenManager.h"
#include "screens/MainMenuState.h"
#include "screens/MenuLayout.h"
#include "screens/PlayState.h"

using namespace qv;

namespace {

class MainMenuTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        OpenMenu();
        menu = Current<MainMenuState>();
    }

    // A left click that the menu sees as a release at (x, y).
    void Click(int x, int y) {
        Press(x, y);
        Release(x, y);
        Pass();
    }
    static int RowY(int row) { return 150 + 18 * row + 9; }

    // What the display shows at (x, y), as 0xRRGGBB.
    static Uint32 Shown(int x, int y) {
        SDL_Surface* display = SDL_GetVideoSurface();
        return static_cast<const Uint32*>(display->pixels)[y * display->pitch / 4 + x] & 0xFFFFFF;
    }

    int set() { return Library().CurrentSetIndex(); }
    int level() { return Library().CurrentLevelIndex(); }

    MainMenuState* menu = nullptr;
};

TEST_F(MainMenuTest, ListClicksUseTruncatingRowsAndInclusiveRightEdges) {
    Click(203, RowY(1));
    EXPECT_EQ(set(), 1);
    Click(204, RowY(2));
    EXPECT_EQ(set(), 1) << "one pixel past the set list's click area";
    Click(451, RowY(1));
    EXPECT_EQ(level(), 1);
    Click(452, RowY(0));
    EXPECT_EQ(level(), 1);
    Click(300, 150 - 17);
    EXPECT_EQ(level(), 0) << "17 pixels above row 0 still truncates to row 0";
    Click(300, RowY(1));
    Click(300, 150 - 18);
    EXPECT_EQ(level(), 1);
    Click(300, RowY(5));
    EXPECT_EQ(level(), 1) << "below the last level";
    Click(60, 150 - 17);
    EXPECT_EQ(set(), 0);
}

TEST_F(MainMenuTest, UpAndDownStopAtTheEndsOfTheSet) {
    Library().SelectSet(1);
    KeyDown(SDLK_UP);
    Pass();
    EXPECT_EQ(level(), 0);
    KeyDown(SDLK_DOWN);
    KeyDown(SDLK_DOWN);
    Pass();
    EXPECT_EQ(set(), 1) << "Down at the last level stays in the set";
    EXPECT_EQ(level(), 1);
    KeyDown(SDLK_DOWN, KMOD_LSHIFT);
    Pass();
    EXPECT_EQ(set(), 2);
    EXPECT_EQ(level(), 0);
    KeyDown(SDLK_UP, KMOD_RSHIFT);
    KeyDown(SDLK_UP, KMOD_RSHIFT);
    KeyDown(SDLK_UP, KMOD_RSHIFT);
    Pass();
    EXPECT_EQ(set(), 0);
}

TEST_F(MainMenuTest, EditButtonShowsOnlyForTheUserSet) {
    EXPECT_FALSE(menu->EditShown());
    for (int i = 0; i < 3; ++i) KeyDown(SDLK_DOWN, KMOD_LSHIFT);
    Pass();
    EXPECT_EQ(Library().CurrentSet().name, "be creative");
    EXPECT_TRUE(menu->EditShown());
    Click(60, RowY(1));
    EXPECT_FALSE(menu->EditShown());
    Click(60, RowY(3));
    EXPECT_TRUE(menu->EditShown());
    // A click beside the set list still re-applies the rule, which keeps the button.
    Click(250, RowY(0));
    EXPECT_TRUE(menu->EditShown());
}

TEST_F(MainMenuTest, EditOpensTheEditorWithTheLevelAsBaseline) {
    Click(60, RowY(3));
    Press(650, 490);
    Release(650, 490);
    Pass();
    EXPECT_EQ(Current<MainMenuState>(), nullptr);
    EXPECT_EQ(editorBaseline.name, "Mine");
}

TEST_F(MainMenuTest, ALockedLevelRefusesEveryWayToPlay) {
    WriteProgress({{1, 1, LevelStatus::Locked}});
    OpenMenu();
    menu = Current<MainMenuState>();  // the one SetUp opened is gone
    Click(60, RowY(1));
    Click(300, RowY(1));
    ASSERT_EQ(Library().CurrentLevel().status, LevelStatus::Locked);
    Click(650, 440);  // Play
    KeyDown(SDLK_RETURN);
    KeyDown(SDLK_KP_ENTER);
    KeyDown(SDLK_0);
    Pass();
    EXPECT_EQ(Current<MainMenuState>(), menu);
    EXPECT_EQ(Shown(610, 430), kPlayDisabledColor) << "the Play button looks disabled";
    Click(300, RowY(0));
    EXPECT_EQ(Shown(610, 430), 0x808080u) << "and has its own look again for an open level";
}

TEST_F(MainMenuTest, ALevelSolvedInParCarriesTheMark) {
    dir.Write("levels/par.txt", "3 levels/line.txt\n3 levels/twin.txt\n");
    dir.Write("records.save", "3 levels/line.txt\n4 levels/twin.txt\n3 levels/mine.txt\n");
    WriteProgress({});
    SDL_Surface* mark = SDL_CreateRGBSurface(SDL_SWSURFACE, 10, 10, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    SDL_FillRect(mark, nullptr, 0xC0FFEE);
    pictures.parMark.reset(mark);
    OpenMenu();
    menu = Current<MainMenuState>();  // the one SetUp opened is gone
    Click(60, RowY(1));  // set "first"
    const auto marked = [](int row) {
        for (int x = 276; x < 276 + 175; ++x)
            if (Shown(x, RowY(row)) == 0xC0FFEE) return true;
        return false;
    };
    EXPECT_TRUE(marked(0)) << "solved in par";
    EXPECT_FALSE(marked(1)) << "one move over par";

    // The player's own level gets its mark once the solver, a slice per pass, has its par.
    Click(60, RowY(3));
    EXPECT_TRUE(menu->WorkingOutPars());
    for (int pass = 0; pass < 100 && menu->WorkingOutPars(); ++pass) Pass();
    EXPECT_FALSE(menu->WorkingOutPars()) << "then the menu sleeps again";
    EXPECT_TRUE(marked(0));
}

TEST_F(MainMenuTest, ReturnAndKeypadEnterStartPlayAndSwallowTheNextEvent) {
    for (SDLKey key : {SDLK_RETURN, SDLK_KP_ENTER}) {
        OpenMenu();
        KeyDown(key);
        PushMarker();
        Pass();
        EXPECT_NE(Current<PlayState>(), nullptr);
        EXPECT_EQ(PendingEvents(), 0);
    }
}

TEST_F(MainMenuTest, ZeroStartsPlayAndLeavesTheNextEvent) {
    KeyDown(SDLK_0);
    PushMarker();
    Pass();
    EXPECT_NE(Current<PlayState>(), nullptr);
    EXPECT_EQ(PendingEvents(), 1);
}

TEST_F(MainMenuTest, PlayButtonStartsASolvedLevel) {
    WriteProgress({{0, 0, LevelStatus::Solved}});
    OpenMenu();
    Click(650, 440);
    EXPECT_NE(Current<PlayState>(), nullptr);
}

TEST_F(MainMenuTest, SwitchesTurnMusicAndSoundOnAndOffAndSaveThem) {
    EXPECT_FALSE(menu->MusicSwitchOn()) << "music volume 0 at the start";
    EXPECT_TRUE(menu->SoundSwitchOn());
    Click(40, 560);
    EXPECT_TRUE(menu->MusicSwitchOn());
    EXPECT_EQ(settings.musicVolume, 127);
    EXPECT_EQ(static_cast<unsigned char>(dir.Read("progress.save")[0]), 127);
    Click(90, 560);
    EXPECT_FALSE(menu->SoundSwitchOn());
    EXPECT_EQ(settings.soundVolume, 0);
    Click(90, 560);
    EXPECT_EQ(settings.soundVolume, 255);
    EXPECT_EQ(static_cast<unsigned char>(dir.Read("progress.save")[1]), 255);
}

TEST_F(MainMenuTest, QuitButtonStopsTheGameOnlyWhereThereIsSomethingToQuitTo) {
    // In a page the button is not shown, and neither a click on its place nor its Escape acts.
    dir.Write("gui/mainmenu/quit.button",
              "600 520 100 40 ./button.bmp ./button.bmp ./button.bmp 27\n");
    Context().device.canQuit = false;
    OpenMenu();
    menu = Current<MainMenuState>();
    EXPECT_EQ(menu->sprites.sprites[MainMenuState::kQuitSlot].picture, nullptr);
    Click(650, 540);
    KeyDown(SDLK_ESCAPE);
    KeyUp(SDLK_ESCAPE);
    Pass();
    EXPECT_TRUE(screens.Running());

    Context().device.canQuit = true;
    OpenMenu();
    Click(650, 540);
    EXPECT_FALSE(screens.Running());
}

TEST_F(MainMenuTest, WindowCloseStopsTheGame) {
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    Pass();
    EXPECT_FALSE(screens.Running());
}

TEST_F(MainMenuTest, PreviewIsCentredOnTheUsedTiles) {
    // The Line board's tiles fill columns 0 to 3 and rows 0 to 2.
    Click(60, RowY(1));
    EXPECT_EQ(menu->sprites.sprites[MainMenuState::kPreviewSlot].x, 588);
    EXPECT_EQ(menu->sprites.sprites[MainMenuState::kPreviewSlot].y, 200);
}

TEST_F(MainMenuTest, PreviewOfAnAllBlackBoardLandsWhereAFullOneDoes) {
    Level& current = Library().CurrentLevel();
    for (int x = 0; x < kMaxWidth; ++x)
        for (int y = 0; y < kMaxHeight; ++y) current.Tile(x, y) = TileColor::Black;
    KeyDown(SDLK_UP);  // nothing to go up to, but the preview is rebuilt
    Pass();
    EXPECT_EQ(menu->sprites.sprites[MainMenuState::kPreviewSlot].x, 525);
    EXPECT_EQ(menu->sprites.sprites[MainMenuState::kPreviewSlot].y, 150);
    for (int x = 0; x < kMaxWidth; ++x)
        for (int y = 0; y < kMaxHeight; ++y) current.Tile(x, y) = TileColor::Green;
    KeyDown(SDLK_UP);
    Pass();
    EXPECT_EQ(menu->sprites.sprites[MainMenuState::kPreviewSlot].x, 525);
    EXPECT_EQ(menu->sprites.sprites[MainMenuState::kPreviewSlot].y, 150);
}

TEST_F(MainMenuTest, PreviewReportsAnInvalidTileColor) {
    Library().CurrentLevel().Tile(0, 0) = static_cast<TileColor>(9);
    KeyDown(SDLK_UP);  // nothing to go up to, but the preview is rebuilt
    Pass();
    EXPECT_EQ(BoxesTitled("Error").back().text, "Tile (0, 0) has an invalid color (9).");
}

// The WCAG 2 contrast ratio of two colours, 1 to 21.
double Contrast(SDL_Color a, SDL_Color b) {
    const auto luminance = [](SDL_Color c) {
        const auto channel = [](Uint8 v) {
            const double s = v / 255.0;
            return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.r) + 0.7152 * channel(c.g) + 0.0722 * channel(c.b);
    };
    const double la = luminance(a) + 0.05;
    const double lb = luminance(b) + 0.05;
    return la > lb ? la / lb : lb / la;
}

TEST(MenuLayoutTest, EveryListTextReadsWellAndSolvedTellsFromOpen) {
    for (const SDL_Color background : {kSetListBackground, kLevelListBackground})
        for (const bool current : {false, true})
            for (const LevelStatus status : {LevelStatus::Open, LevelStatus::Locked, LevelStatus::Solved})
                EXPECT_GE(Contrast(ListRowColor(current, status), background), 4.5)
                    << current << " " << static_cast<int>(status);
    const SDL_Color open = ListRowColor(false, LevelStatus::Open);
    EXPECT_GE(Contrast(ListRowColor(false, LevelStatus::Solved), open), 1.4);
    EXPECT_GE(Contrast(ListRowColor(false, LevelStatus::Locked), open), 1.4);
}

TEST_F(MainMenuTest, UnnamedSetsGetEmptyRowsWithoutErrors) {
    std::remove("Beta.txt");  // a missing list leaves five unnamed sets
    WriteProgress({});
    recorder.boxes.clear();
    OpenMenu();
    EXPECT_EQ(Library().SetCount(), 6);
    EXPECT_TRUE(BoxesTitled("Error (SDL)").empty());
}

}  // namespace
