// Saving, leaving the editor with or without the save question, and trying the level on the
// play screen.
#include "EditorFixture.h"

#include "render/MessageBoxState.h"
#include "render/MessageBoxes.h"
#include "render/ScreenManager.h"
#include "screens/MainMenuState.h"
#include "screens/PlayState.h"

using namespace qv;

namespace {

constexpr const char* kQuestionTitle = "Do you want to save your changes?";
constexpr const char* kQuestionText =
    "The changes you have made to your level have not\nbeen saved yet.\n\nClick Save to save "
    "your changes.\nClick Discard to go to the main menu without saving.\nClick Cancel to "
    "return to the level editor.";

// The "Mine" board (4 by 3 white tiles) as the editor writes it: always 9 by 7, every number
// followed by a space but the last, a line end, then the name with no line end.
std::string MineText(const std::string& firstRow, const std::string& name) {
    const std::string whiteRow = "7 7 7 7 0 0 0 0 0 ";
    const std::string emptyRow = "0 0 0 0 0 0 0 0 0 ";
    std::string text = "9 7 " + firstRow + whiteRow + whiteRow;
    for (int row = 3; row < 7; ++row) text += emptyRow;
    return text + "0 0 0 1 0 2 1 0 1 1 1 2\n" + name;
}

class EditorLeaveTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        OpenEditor();
        editor = Editor();
    }

    void PaintRedAt(int column, int row) {
        ClickButton(EditorButton::Red);
        Click(MidX(column), MidY(row));
    }
    void Rename(const std::string& name) {
        CtrlKey(SDLK_t);
        for (size_t i = Edited().name.size(); i > 0; --i) TypeChar(8, SDLK_BACKSPACE);
        Type(name);
        TypeChar(13, SDLK_RETURN);
    }
    // Exit, with an answer queued behind it for the question, if one comes: the question reads
    // it in its own pass.
    void ExitAnswering(int answer) {
        QueueButtonClick(EditorButton::Exit);
        QueueAnswer(answer);
        Pass();
        if (Current<MessageBoxState>()) Pass();
    }
    void ExpectMenuWith(const std::string& name, TileColor cornerTile) {
        ASSERT_NE(Current<MainMenuState>(), nullptr);
        EXPECT_FALSE(Edited().fromEditor);
        EXPECT_TRUE(Edited().editHistory.empty());
        EXPECT_EQ(Edited().name, name);
        EXPECT_EQ(Edited().Tile(2, 0), cornerTile);
    }

    EditorState* editor = nullptr;
};

TEST_F(EditorLeaveTest, CtrlSWritesTheLevelTextAndShowsTheNotice) {
    PaintRedAt(2, 0);
    Rename("Red Top");
    CtrlKey(SDLK_s);
    EXPECT_EQ(Saved(), MineText("7 7 1 7 0 0 0 0 0 ", "Red Top"));
    EXPECT_TRUE(recorder.boxes.empty());

    auto* box = Current<MessageBoxState>();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(screens.Covered(), editor);
    EXPECT_TRUE(HoldsBox(box->box.get(), 0, 0, "Your level has been saved", ""));
    EXPECT_TRUE(Edited().SameContent(editorBaseline));
    EXPECT_TRUE(Edited().editHistory.empty());

    // Closing the notice brings the editor back, and with nothing changed since the save the
    // Exit button needs no question.
    KeyUp(SDLK_RETURN);
    Pass();
    ASSERT_EQ(Editor(), editor);
    ExitAnswering(2);
    ExpectMenuWith("Red Top", TileColor::Red);
}

TEST_F(EditorLeaveTest, ClosingTheNoticeByItsButtonDoesNotAnswerTheNextQuestion) {
    PaintRedAt(2, 0);
    CtrlKey(SDLK_s);
    ASSERT_NE(Current<MessageBoxState>(), nullptr);
    Click(400, 395);  // the notice's OK button
    ASSERT_EQ(Editor(), editor);
    PaintRedAt(3, 0);
    ExitAnswering(2);
    EXPECT_EQ(Editor(), editor) << "the question was asked and cancelled";
    EXPECT_EQ(Saved(), MineText("7 7 1 7 0 0 0 0 0 ", "Mine"));
}

TEST_F(EditorLeaveTest, TheSaveButtonSavesAndTheQueueAfterItIsLeftToTheNotice) {
    PaintRedAt(3, 0);
    PressAt(ButtonMidX(EditorButton::Save), ButtonMidY(EditorButton::Save));
    Release(ButtonMidX(EditorButton::Save), ButtonMidY(EditorButton::Save));
    // Queued behind the save, a click on the board belongs to the notice, not the editor.
    Press(MidX(4), MidY(0));
    Release(MidX(4), MidY(0));
    Pass();
    EXPECT_EQ(Saved(), MineText("7 7 7 1 0 0 0 0 0 ", "Mine"));
    ASSERT_NE(Current<MessageBoxState>(), nullptr);
    Pass();  // the notice's own pass: the click hits none of its buttons
    EXPECT_NE(Current<MessageBoxState>(), nullptr);
    EXPECT_EQ(Edited().Tile(4, 0), TileColor::Black);
}

// A name of blanks would show as an empty row: it is no name either.
TEST_F(EditorLeaveTest, ANamelessLevelIsNotSaved) {
    PaintRedAt(2, 0);
    for (const char* name : {"", "   "}) {
        Rename(name);
        CtrlKey(SDLK_s);
        EXPECT_EQ(Saved(), kMineFile) << '"' << name << '"';
        ASSERT_EQ(recorder.boxes.size(), 1u);
        EXPECT_EQ(recorder.boxes[0].title, "Error");
        EXPECT_EQ(recorder.boxes[0].text, "Cannot save level levels/mine.txt. The level has no name.");
        EXPECT_EQ(Editor(), editor) << "no notice";
        recorder.boxes.clear();
    }
    EXPECT_EQ(Edited().editHistory.size(), 1u) << "the edits can still be taken back";
}

TEST_F(EditorLeaveTest, AFailedSaveKeepsTheEditorOpenAndTheEditsUndoableAndDiscardable) {
    Edited().filePath = "no/such/folder/mine.txt";
    PaintRedAt(2, 0);
    PaintRedAt(3, 0);
    Rename("Lost");
    CtrlKey(SDLK_s);
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].text, "Cannot save level no/such/folder/mine.txt.");
    EXPECT_EQ(Editor(), editor) << "no notice";
    EXPECT_EQ(editorBaseline.name, "Mine");

    // Saving from the question fails the same way; the editor stays rather than dropping the
    // unsaved level on the menu, and the edits can still be taken back.
    ExitAnswering(0);
    EXPECT_EQ(recorder.boxes.size(), 2u);
    ASSERT_EQ(Editor(), editor);
    EXPECT_EQ(Edited().name, "Lost");
    CtrlKey(SDLK_z);
    EXPECT_EQ(Edited().Tile(3, 0), TileColor::White);
    EXPECT_EQ(Edited().Tile(2, 0), TileColor::Red);

    // Discard leaves the library's level as it was opened, for the menu and the next save.
    ExitAnswering(1);
    ExpectMenuWith("Mine", TileColor::White);
}

TEST_F(EditorLeaveTest, ExitGoesStraightToTheMenuWhenNothingChanged) {
    // A tile changed and changed back, and a name typed back to what it was.
    PaintRedAt(2, 0);
    ClickButton(EditorButton::White);
    Click(MidX(2), MidY(0));
    Rename("Mine");
    ExitAnswering(2);
    ExpectMenuWith("Mine", TileColor::White);
    EXPECT_EQ(Saved(), kMineFile);
    EXPECT_EQ(SDL_EnableUNICODE(-1), 0) << "the editor switched Unicode translation off";
}

TEST_F(EditorLeaveTest, SaveAnswerWritesTheLevelAndGoesToTheMenu) {
    PaintRedAt(2, 0);
    ExitAnswering(0);
    ExpectMenuWith("Mine", TileColor::Red);
    EXPECT_EQ(Saved(), MineText("7 7 1 7 0 0 0 0 0 ", "Mine"));
    EXPECT_TRUE(Edited().SameContent(editorBaseline));
}

TEST_F(EditorLeaveTest, DiscardPutsBackTheNameAndEveryEdit) {
    PaintRedAt(2, 0);
    Rename("Changed");
    ExitAnswering(1);
    ExpectMenuWith("Mine", TileColor::White);
    EXPECT_EQ(Saved(), kMineFile);
}

TEST_F(EditorLeaveTest, CancelKeepsEverythingIncludingTheHistory) {
    PaintRedAt(2, 0);
    Rename("Changed");
    ExitAnswering(2);
    ASSERT_EQ(Editor(), editor);
    EXPECT_TRUE(Edited().fromEditor);
    EXPECT_EQ(Edited().name, "Changed");
    EXPECT_EQ(Edited().Tile(2, 0), TileColor::Red);
    Click(MidX(5), MidY(5), SDL_BUTTON_RIGHT);
    EXPECT_EQ(Edited().Tile(2, 0), TileColor::White);
    EXPECT_TRUE(recorder.boxes.empty());
}

TEST_F(EditorLeaveTest, ClosingTheWindowDuringTheQuestionEndsTheGameQuietly) {
    PaintRedAt(2, 0);
    QueueButtonClick(EditorButton::Exit);
    QueueQuit();
    Pass();
    ASSERT_NE(Current<MessageBoxState>(), nullptr);
    Pass();  // the question's own pass takes the quit
    EXPECT_TRUE(recorder.boxes.empty());
    EXPECT_FALSE(screens.Running());
    EXPECT_NE(Current<MessageBoxState>(), nullptr);
    EXPECT_EQ(screens.Covered(), editor);
    EXPECT_EQ(Saved(), kMineFile);
    // The quit came while the question was up, word for word.
    EXPECT_TRUE(HoldsBox(SDL_GetVideoSurface(), kBoxX, kBoxY, kQuestionTitle, kQuestionText));
}

TEST_F(EditorLeaveTest, EscapeLeavesWithoutAskingDroppingEditsAndTheTypedName) {
    PaintRedAt(2, 0);
    Rename("Changed");
    KeyUp(SDLK_ESCAPE);
    QueueAnswer(2);
    Pass();
    ExpectMenuWith("Mine", TileColor::White);
    EXPECT_EQ(Saved(), kMineFile);
}

TEST_F(EditorLeaveTest, TheLevelIsTriedOnThePlayScreenAndComesBackAsItWas) {
    PaintRedAt(2, 0);
    Rename("Trial");
    ClickButton(EditorButton::Play);
    ASSERT_NE(Current<PlayState>(), nullptr);
    Pass();  // the play screen's intro pass
    EXPECT_TRUE(Edited().fromEditor);
    EXPECT_EQ(SDL_EnableUNICODE(-1), 0);

    // A move, then Escape: the play screen takes the move back and returns here.
    Click(TileX(0) + 50, TileY(0) + 30);
    EXPECT_EQ(Edited().circlePos, (TilePos{1, 0}));
    KeyUp(SDLK_ESCAPE);
    Pass();
    EditorState* back = Editor();
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(Edited().circlePos, (TilePos{0, 0}));
    EXPECT_EQ(Edited().Tile(2, 0), TileColor::Red);
    EXPECT_EQ(Edited().name, "Trial");
    EXPECT_EQ(Edited().editHistory.size(), 1u);
    EXPECT_EQ(Edited().width, 9);

    // Discard after a trial still puts back the name the level had when the editor opened.
    ExitAnswering(1);
    ExpectMenuWith("Mine", TileColor::White);
}

TEST_F(EditorLeaveTest, SavingAChangedPuzzleDropsItsRecordButANewNameKeepsIt) {
    // Both levels have the fixture's one board, whose tag the records take when first read.
    dir.Write("records.save", "3 levels/mine.txt\n5 levels/line.txt\n");
    WriteProgress({});  // the library reads the records afresh
    const std::string both = "5 levels/line.txt d88e9eb3\n3 levels/mine.txt d88e9eb3\n";
    EXPECT_EQ(dir.Read("records.save"), both);
    OpenEditor();
    Rename("Renamed");
    CtrlKey(SDLK_s);
    CloseBox();
    EXPECT_EQ(dir.Read("records.save"), both);
    PaintRedAt(2, 0);
    CtrlKey(SDLK_s);
    EXPECT_EQ(dir.Read("records.save"), "5 levels/line.txt d88e9eb3\n");
}

}  // namespace
