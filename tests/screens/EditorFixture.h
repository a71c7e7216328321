#pragma once
// Drives the level editor in-process on top of the screen fixture: the editor's 22 buttons and
// the save question's three buttons are written as small test buttons, and the editor is
// opened on "Mine", the one level of the "be creative" set, the way the main menu opens it.
#include <SDL.h>

#include <string>

#include "ScreenFixture.h"
#include "content/LevelLibrary.h"
#include "puzzle/Level.h"
#include "screens/EditorPalette.h"
#include "screens/EditorState.h"

using namespace qv;

class EditorTest : public ScreenTest {
protected:
    void SetUp() override;

    // Makes the editor current on "Mine" as the menu's Edit does.
    void OpenEditor();
    EditorState* Editor() { return Current<EditorState>(); }
    Level& Edited() { return Library().CurrentLevel(); }

    // The board has no offset in the editor: tile corners from (210, 60), 60 pixels apart.
    static int CellX(int column) { return 210 + 60 * column; }
    static int CellY(int row) { return 60 + 60 * row; }
    static int MidX(int column) { return CellX(column) + 30; }
    static int MidY(int row) { return CellY(row) + 30; }

    // Synthetic input, each handled at once by its own pass. The editor reads the pointer
    // when it handles an event, and the fake pointer is where the last queued event put it,
    // so pointer events are handled one at a time.
    void PressAt(int x, int y, Uint8 button = SDL_BUTTON_LEFT);
    void MoveHeldTo(int x, int y);
    void ReleaseAt(int x, int y, Uint8 button = SDL_BUTTON_LEFT);
    void Click(int x, int y, Uint8 button = SDL_BUTTON_LEFT);
    void Drag(int fromX, int fromY, int toX, int toY);
    void ClickButton(EditorButton which);
    void Type(const std::string& text);
    void TypeChar(Uint16 unicode, SDLKey sym);
    void CtrlKey(SDLKey key);
    // The test buttons stand in one column left of the board, in the palette's order.
    static constexpr int kButtonLeft = 10;
    static constexpr int kButtonWidth = 30;
    static constexpr int kButtonHeight = 20;
    static int ButtonTop(EditorButton which) { return 10 + 25 * Index(which); }
    static int ButtonMidX(EditorButton) { return kButtonLeft + kButtonWidth / 2; }
    static int ButtonMidY(EditorButton which) { return ButtonTop(which) + kButtonHeight / 2; }

    // Queued only: the click on an answer of the save question (0 Save, 1 Discard, 2 Cancel),
    // a click on an editor button, and the window's close request.
    void QueueAnswer(int index);
    void QueueButtonClick(EditorButton which);
    void QueueQuit();

    // Whether `surface` holds, with its top-left corner at (x, y), the message box that these
    // texts compose.
    bool HoldsBox(SDL_Surface* surface, int x, int y, const std::string& title,
                  const std::string& text);

    std::string Saved() { return dir.Read("levels/mine.txt"); }

    static constexpr const char* kMineFile =
        "4 3 7 7 7 7 7 7 7 7 7 7 7 7 0 0 0 1 0 2 1 0 1 1 1 2\nMine\n";
};
