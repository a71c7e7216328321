#pragma once
// The level editor: paints tiles, places and drags the shapes and their goals, shifts the
// layout, names the level, takes edits back, saves the level to its file and lets the player
// try it on the play screen. It edits the library's current level in place.
#include <SDL.h>

#include <array>
#include <cstdint>
#include <string>

#include "puzzle/Level.h"
#include "puzzle/Types.h"
#include "render/BoardView.h"
#include "render/Button.h"
#include "render/EventQueue.h"
#include "render/ShadowLabel.h"
#include "render/Text.h"
#include "screens/EditorPalette.h"
#include "screens/GameContext.h"
#include "screens/SlicedSolve.h"

namespace qv {

inline constexpr const char* kSavedBoxTitle = "Your level has been saved";
inline constexpr const char* kSaveQuestionTitle = "Do you want to save your changes?";
inline constexpr const char* kSaveQuestionText =
    "The changes you have made to your level have not\n"
    "been saved yet.\n"
    "\n"
    "Click Save to save your changes.\n"
    "Click Discard to go to the main menu without saving.\n"
    "Click Cancel to return to the level editor.";

inline constexpr const char* kLinkCopiedTitle = "A link to your level has been copied";
inline constexpr const char* kLinkCopiedText =
    "Paste it into a message or an address bar:\n"
    "it opens this level on the play screen.";
inline constexpr const char* kLinkShownTitle = "Your level's link is below the game";
inline constexpr const char* kLinkShownText =
    "The browser would not copy it. Copy it from the\n"
    "field under the game: it opens this level.";
// Where no link can be made (the desktop), the level's code: the link's own part.
inline constexpr const char* kCodeCopiedTitle = "Your level's code has been copied";
inline constexpr const char* kCodeShownTitle = "Your level's code";
// The code below the box's first lines, cut into lines the box can hold.
std::string LevelCodeText(const std::string& code, bool copied);

class EditorState : public BoardView {
public:
    // Edits the library's current level. Entered from the menu (not back from a trial on the
    // play screen), it takes the level as the baseline for unsaved changes.
    explicit EditorState(GameContext& context);
    ~EditorState() override;

    void HandleEvents() override;
    void Draw() override;
    void Rescale(const PictureMoves& moves) override;
    // The name field, for the on-screen keyboard of a touch screen.
    PageNote NoteForPage() const override;

    // What the player sees of the editor besides its sprites: whether typed keys go to the name
    // (the caret shows), and each button's look.
    bool EditingName() const { return editingName; }
    const Button& ButtonFor(EditorButton which) const { return buttons[Index(which)]; }
    // Ctrl+K's check still being worked out ("checking..." shows).
    bool Checking() const { return checkSearch.Running(); }

private:
    GameContext& ctx;
    // The name label's width in logical units; 0 without a label.
    int NameLabelWidth() const;
    TileColor selectedColor = TileColor::White;
    ShapeKind selectedShape = ShapeKind::Circle;
    ShapeKind selectedGoal = ShapeKind::Circle;
    ToolKind toolKind = ToolKind::Color;
    bool editingName = false;
    ShapeKind dragPiece = ShapeKind::Circle;
    bool dragging = false;
    bool draggingGoal = false;
    bool painting = false;      // the press found no piece, so motion paints
    int32_t pointerTravel = 0;  // |dx| + |dy| since the last button press
    std::array<Button, kEditorButtonCount> buttons;
    // The check runs a slice per pass, on the puzzle as it was when asked; an edit drops it.
    SlicedSolve checkSearch;
    Level checkedLevel;
    FontPtr labelFont;
    ShadowLabel checkingLabel;
    bool checkingShown = false;  // what checkingLabel shows

    Button& PaletteButton(EditorButton which) { return buttons[Index(which)]; }

    EventFlow HandleEvent(const SDL_Event& event);
    EventFlow OfferToButtons(const SDL_Event& event);
    EventFlow ActOnClick(EditorButton which);
    void SelectTool(EditorButton which);
    void HandleKeyDown(const SDL_KeyboardEvent& key);
    EventFlow HandleKeyUp(const SDL_KeyboardEvent& key);
    void HandleButtonDown(const SDL_MouseButtonEvent& button);
    void HandleMotion(const SDL_MouseMotionEvent& motion);
    void HandleButtonUp(const SDL_MouseButtonEvent& button);

    void Press();
    void Paint();
    void MoveDraggedSprite();
    void Drop();

    void SetName(std::string name);
    // Writes the level; on success takes the new baseline and, when asked, shows the notice.
    bool Save(bool confirm);
    // Ctrl+K: whether the level can be solved, and in how few moves, in a message box once the
    // solver knows, a slice per pass.
    void StartCheck();
    void StepCheck();
    void UpdateCheckingLabel();
    // Ctrl+L: hands the player a link that opens the level as it stands, and says so in a box;
    // where there is no address to link to, the level's code.
    void ShareLevel();
    // Ctrl+V: the level of a code on the clipboard takes the place of the one edited, unsaved.
    void PasteLevelCode();
    // Ends any gesture and shows a notice; the box becomes current.
    void OpenBox(const std::string& title, const std::string& text);
    // The Exit button: straight out when nothing changed, otherwise the save question.
    void Leave();
    // What the player chose in the save question.
    void AnswerSaveQuestion(int32_t answer);
    // Asks for the main menu, with the library's level back as last opened or saved.
    void ReturnToMenu();
};

}  // namespace qv
