// The editor's solvability check: the answer it gives for solvable, unsolvable and too-open
// levels, and Ctrl+K in the editor, which shows that answer and leaves the level alone (as does
// Ctrl+L, which shares it).
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "EditorFixture.h"
#include "puzzle/Level.h"
#include "puzzle/LevelLink.h"
#include "puzzle/LevelTestSupport.h"
#include "render/MessageBoxState.h"
#include "render/ScreenManager.h"
#include "screens/EditorCheck.h"
#include "screens/MainMenuState.h"
#include "screens/PastedLevel.h"

using namespace qv;

namespace {

Level Board(const std::string& numbers) { return ParseLevelString(numbers, "Test", "", "", ""); }

TEST(EditorCheck, SolvableLevelsAreToldTheirFewestMoves) {
    // A red tile between the circle and its goal: the circle can't enter it, so the way round
    // takes four moves, not the two of the plain distance.
    const LevelCheck detour = CheckLevel(Board("3 3 7 1 7 7 7 7 7 7 7 0 0 0 2 2 2 2 0 0 2 2 2"));
    EXPECT_EQ(detour.outcome, SolveOutcome::Solved);
    EXPECT_EQ(detour.moveCount, 4);
    EXPECT_EQ(detour.title, "Solvable in 4 moves");
    EXPECT_EQ(detour.text, "Solvable in 4 moves, the fewest.");

    const LevelCheck one = CheckLevel(Board("4 1 7 7 7 7 0 0 2 0 3 0 1 0 2 0 3 0"));
    EXPECT_EQ(one.title, "Solvable in 1 move");

    const LevelCheck home = CheckLevel(Board("3 1 7 7 7 0 0 1 0 2 0 0 0 1 0 2 0"));
    EXPECT_EQ(home.outcome, SolveOutcome::Solved);
    EXPECT_EQ(home.title, "This level starts solved");
}

TEST(EditorCheck, LevelsWithoutASolutionAreSaidToBeUnsolvable) {
    // A one-row corridor: the circle and the star would have to pass each other.
    const LevelCheck corridor = CheckLevel(Board("4 1 7 7 7 7 0 0 1 0 3 0 1 0 0 0 3 0"));
    EXPECT_EQ(corridor.outcome, SolveOutcome::Unsolvable);
    EXPECT_EQ(corridor.title, "This level cannot be solved");
    EXPECT_EQ(corridor.text, kCannotBeSolvedText);
}

TEST(EditorCheck, ACheckCutShortGivesUpAndNeverCallsTheLevelUnsolvable) {
    const Level sealedLevel = Board(SealedSwapBoard());
    // A wide-open board that is easy to solve, cut short all the same.
    std::string open = "9 7";
    for (int i = 0; i < 63; ++i) open += " 7";
    const Level openLevel = Board(open + " 0 0 8 6 4 3 8 6 0 0 4 3");

    const struct {
        const Level& level;
        SolverLimits limits;
        const char* what;
    } cases[] = {
        {sealedLevel, {1000, 0}, "sealed, state limit"},
        {sealedLevel, {0, 0.05}, "sealed, time limit"},
        {openLevel, {10, 0}, "open, state limit"},
    };
    for (const auto& c : cases) {
        const LevelCheck check = CheckLevel(c.level, c.limits);
        EXPECT_EQ(check.outcome, SolveOutcome::Undecided) << c.what;
        EXPECT_EQ(check.title, "The check gave up") << c.what;
        EXPECT_EQ(check.text, kCheckGaveUpText) << c.what;
    }
}

TEST(EditorCheck, AWayFoundWhereTheFewestAreOutOfReachIsToldAsSuch) {
    const LevelCheck check = CheckLevel(Board(kFarShortestBoard), {10, 0, 0, 300000, 0});
    ASSERT_EQ(check.outcome, SolveOutcome::Way);
    EXPECT_GE(check.moveCount, 36);
    EXPECT_EQ(check.title, "Solvable");
    EXPECT_EQ(check.text, "Solvable: a way in " + std::to_string(check.moveCount) +
                              " moves found;\nfewer may be possible.");
}

// Everything of a level the check must leave alone: size, tiles, pieces, name, histories.
std::string Snapshot(const Level& level) {
    std::ostringstream out;
    out << level.width << 'x' << level.height << ' ';
    level.WriteLevel(out);
    for (const CommandHistory* history : {&level.playHistory, &level.editHistory}) {
        out << '|';
        for (const Command& c : *history)
            out << c.kind << ',' << c.fromX << ',' << c.fromY << ',' << c.toX << ',' << c.toY
                << ',' << c.oldColor << ',' << c.shape << ';';
    }
    return out.str();
}

class EditorCheckTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        OpenEditor();
        editor = Editor();
    }

    // A Ctrl+letter whose press reaches the editor with the character the keyboard would type.
    void CtrlKTyping(SDLKey letter = SDLK_k) {
        SDL_Event down{};
        down.type = SDL_KEYDOWN;
        down.key.state = SDL_PRESSED;
        down.key.keysym.sym = letter;
        down.key.keysym.mod = KMOD_RCTRL;
        down.key.keysym.unicode = static_cast<Uint16>(letter);
        ASSERT_EQ(SDL_PushEvent(&down), 0);
        KeyUp(letter, KMOD_RCTRL);
        Pass();
    }

    void CloseBoxWithReturn() {
        KeyUp(SDLK_RETURN);
        Pass();
        ASSERT_EQ(Editor(), editor);
    }

    EditorState* editor = nullptr;
};

TEST_F(EditorCheckTest, CtrlKShowsTheAnswerAndLeavesTheLevelAsItWas) {
    // An unsaved edit off the solution's path: three moves to the right still solve "Mine".
    ClickButton(EditorButton::Red);
    Click(MidX(3), MidY(0));
    ASSERT_EQ(Edited().editHistory.size(), 1u);
    const std::string before = Snapshot(Edited());
    const std::string baseline = Snapshot(editorBaseline);

    CtrlKey(SDLK_k);
    auto* box = Current<MessageBoxState>();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(screens.Covered(), editor);
    EXPECT_TRUE(HoldsBox(box->box.get(), 0, 0, "Solvable in 3 moves", FewestText(3)));
    EXPECT_EQ(Snapshot(Edited()), before);
    EXPECT_EQ(Snapshot(editorBaseline), baseline);
    EXPECT_TRUE(recorder.boxes.empty());

    // Back in the editor the edit can still be taken back.
    CloseBoxWithReturn();
    CtrlKey(SDLK_z);
    EXPECT_EQ(Edited().Tile(3, 0), TileColor::White);
}

TEST_F(EditorCheckTest, ALongCheckShowsItIsCheckingAndAnEditDropsIt) {
    dir.Write("levels/mine.txt", SealedSwapBoard() + "\nMine\n");
    WriteProgress({});
    OpenEditor();
    editor = Editor();
    CtrlKey(SDLK_k);
    ASSERT_TRUE(editor->Checking()) << "a second's search takes many passes";
    EXPECT_NE(editor->sprites.sprites[kCheckingShadowSlot + 1].picture, nullptr);
    ClickButton(EditorButton::Red);
    Click(MidX(5), MidY(4));
    ASSERT_EQ(Edited().Tile(5, 4), TileColor::Red);
    PushMarker();
    Pass();
    EXPECT_FALSE(editor->Checking());
    EXPECT_EQ(editor->sprites.sprites[kCheckingShadowSlot + 1].picture, nullptr);
    EXPECT_EQ(Editor(), editor) << "no box for a check dropped";
}

TEST_F(EditorCheckTest, CtrlKWhileTypingTheNameTypesNothing) {
    CtrlKey(SDLK_t);
    CtrlKTyping();
    ASSERT_NE(Current<MessageBoxState>(), nullptr);
    EXPECT_EQ(Edited().name, "Mine");
    CloseBoxWithReturn();

    // The name still has the keyboard, and a plain k is typed as before.
    EXPECT_TRUE(editor->EditingName());
    TypeChar('k', SDLK_k);
    EXPECT_EQ(Edited().name, "Minek");
}

}  // namespace

// Ctrl+L shares the level; the desktop has no address to link to and shows the level's code,
// which it can't copy here either (no display); Ctrl+V then finds nothing to paste.
TEST_F(EditorCheckTest, CtrlLOnTheDesktopShowsTheLevelsCodeAndTypesNothing) {
    const std::string before = Snapshot(Edited());
    CtrlKey(SDLK_t);
    CtrlKTyping(SDLK_l);
    auto* box = Current<MessageBoxState>();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->title, kCodeShownTitle);
    EXPECT_EQ(box->text, LevelCodeText(LevelCode(Edited()), false));
    EXPECT_TRUE(HoldsBox(box->box.get(), 0, 0, box->title, box->text)) << "every line fits";
    EXPECT_EQ(Snapshot(Edited()), before);
    CloseBoxWithReturn();
    EXPECT_TRUE(editor->EditingName());
    CtrlKTyping(SDLK_v);
    ASSERT_NE(Current<MessageBoxState>(), nullptr);
    EXPECT_EQ(Current<MessageBoxState>()->title, kNoCodeTitle);
    EXPECT_EQ(Snapshot(Edited()), before);
}

// `quorvellan --level CODE`: the code's level in the editor in place of the player's first
// level, not saved; a damaged code gets a box and the menu.
TEST_F(EditorCheckTest, ACodeOpensUnsavedInTheEditorAndADamagedOneIsRefused) {
    Level shared = Edited();
    shared.Tile(3, 2) = TileColor::Blue;
    shared.name = "Shared";
    screens.Clear();
    OpenLevelCode(Context(), "  " + LevelCode(shared) + "\n");
    screens.CarryOutRequests();
    ASSERT_NE(Current<MessageBoxState>(), nullptr);
    EXPECT_EQ(Current<MessageBoxState>()->text, CodeOpenedText("Shared", "Mine"));
    EXPECT_NE(dynamic_cast<EditorState*>(screens.Covered()), nullptr);
    EXPECT_TRUE(Edited().SameContent(shared));
    EXPECT_EQ(Edited().filePath, "levels/mine.txt");
    EXPECT_EQ(editorBaseline.name, "Mine") << "leaving without saving keeps Mine";
    EXPECT_EQ(Saved(), kMineFile);

    screens.Clear();
    OpenLevelCode(Context(), LevelCode(shared).substr(0, 60));
    screens.CarryOutRequests();
    EXPECT_NE(Current<MainMenuState>(), nullptr);
    ASSERT_FALSE(BoxesTitled("Error").empty());
    EXPECT_EQ(BoxesTitled("Error").front().text,
              "Cannot open the level code. The code is cut short or damaged.");
}
