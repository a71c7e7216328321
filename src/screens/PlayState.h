#pragma once
// The screen on which the player solves the current level: clicks on a section of a shape's
// tile, drags from tile to tile, or selects a shape from the keyboard and moves it with the
// arrows. It plays the library's current level in place and records solves there.
#include <SDL.h>

#include <cstdint>
#include <optional>
#include <string>

#include "puzzle/RedoHistory.h"
#include "puzzle/Types.h"
#include "render/BoardView.h"
#include "render/EventQueue.h"
#include "render/Button.h"
#include "render/ShadowLabel.h"
#include "render/Surface.h"
#include "render/Text.h"
#include "screens/GameContext.h"
#include "screens/PlayHint.h"
#include "screens/PlayReplay.h"
#include "screens/SetParSearch.h"
#include "screens/ShapeShake.h"
#include "screens/SlicedSolve.h"
#include "screens/SolveTexts.h"

namespace qv {

// Played by the player, or watched: a shortest way, or the player's best.
enum class PlayMode { Play, WatchShortest, WatchBest };

class PlayState : public BoardView {
public:
    // The play screen's own sprite slots, after the board view's, in drawing order. Each label
    // shows in two slots: its shadow, then its text.
    enum Slot : int {
        kUndoSlot = kBoardViewSlots,
        kRestartSlot,
        kExitSlot,
        kHelpSlot,       // the diagram of the shape under the pointer or selected
        kColorHelpSlot,  // the diagram of the colour under the pointer
        kArrowSlot,      // the hover arrow, or a hint's
        kMovesShadowSlot,
        kMovesSlot,
        kParShadowSlot,
        kParSlot,
        kThinkingShadowSlot,  // "thinking...", or the first line of a hint along a way home
        kThinkingSlot,
        kWayNoteShadowSlot,   // that hint's second line
        kWayNoteSlot,
        kRedoSlot,  // beside undo
        kTouchMoveHelpSlot,  // on a touch screen, its own lines over the panel's "how to move"
        kSlotCount
    };

    // Plays the library's current level, from where the player left it unsolved; or shows a way
    // through it from its start.
    explicit PlayState(GameContext& context, PlayMode mode = PlayMode::Play);
    ~PlayState() override;

    void HandleEvents() override;
    void Draw() override;
    void Rescale(const PictureMoves& moves) override;
    PageNote NoteForPage() const override { return PageNote(ScreenKind::Play); }

    // What the player has done so far, as tests and the shell may ask: every shape is home and
    // the completion comes on the next pass; a shape is held by the pointer; the shape the arrow
    // keys move.
    bool SolvePending() const { return solved; }
    bool Dragging() const { return dragging; }
    std::optional<ShapeKind> SelectedShape() const { return selectedShape; }
    // The move count and par shown beside the level name (par: nothing when unknown), and
    // whether a refused move's shake is still running.
    int ShownMoves() const { return shownMoves; }
    std::optional<int> ShownPar() const { return par; }
    bool Shaking() const { return shake.Shape().has_value(); }
    // A hint asked for and still being worked out; whether the solver is at work for this screen
    // (a hint, par), which "thinking..." then shows.
    bool HintPending() const { return hintSearch.Running(); }
    bool Thinking() const;
    // A way through the level is being shown (or, while the solver looks for it, about to be).
    bool Watching() const { return replay.Active(); }
    // Moves made again from where the level was left, when it was opened.
    int ResumedMoves() const { return resumedMoves; }

private:
    GameContext& ctx;
    bool solved = false;  // all shapes home: the completion sequence runs on the next pass
    Button exitButton;
    Button undoButton;
    Button redoButton;
    Button restartButton;
    RedoHistory steps;  // what undo and restart took back
    bool dragging = false;
    bool introPending = true;  // the level's intro box is still to be shown
    ShapeKind dragShape = ShapeKind::Circle;
    std::optional<ShapeKind> selectedShape;  // the shape the arrow keys move
    int32_t dragDistance = 0;  // pointer travel since the last button press
    int32_t pressX = 0;        // where the last button press was
    int32_t pressY = 0;
    bool dragTriedStep = false;  // the drag since that press has asked the level for a step
    bool hintShown = false;    // the arrow slot holds a hint, not the hover arrow
    std::optional<int> par;    // the level's fewest moves, when known
    // Set when every shape got home by play; the completion's box reports it.
    std::optional<SolveSummary> lastSolve;
    // The "Set complete" text of a set just finished for the first time, until it is shown.
    std::string setCompleteText;
    FontPtr labelFont;
    SurfacePtr touchMoveHelp;  // loaded on a touch screen only
    ShadowLabel movesLabel;
    ShadowLabel parLabel;
    int shownMoves = -1;       // the count movesLabel shows
    ShapeShake shake;          // of a shape whose move was just refused
    // The solver's work, a slice per pass: the hint asked for, this level's par, and the pars a
    // first finish of the player's own set counts with.
    SlicedSolve hintSearch;
    SlicedSolve parSearch;
    std::string parKey;  // where parSearch's answer is remembered; empty for a level tried or linked
    SetParSearch setPars;
    // Under the restart button: "thinking...", or the two lines of a hint along a way home not
    // proven shortest.
    ShadowLabel thinkingLabel;
    ShadowLabel wayNoteLabel;
    std::string noteShown;  // both lines, as the labels show them
    bool wayHintShown = false;  // the arrow's hint is along such a way
    // The level was opened where it was left, with this many moves: a box says so, not the intro.
    int resumedMoves = 0;
    bool resumeNotePending = false;
    // The position the player leaves is kept once, as the screen is left or the game ends.
    bool positionKept = false;
    // Watching a way: opened for it from the menu (leaving goes back there), or chosen in
    // "Well done" (leaving goes on to the next level, as the box's OK would have).
    PlayReplay replay;
    bool watchFromMenu = false;
    bool watchedBest = false;  // the player's own way, not a shortest
    // Solved a generated puzzle of an endless set: the next one is still being made.
    bool waitingForPuzzle = false;

    // Every event goes to the buttons, so clicks faster than the passes are each counted.
    // Stop when the exit button was clicked: the rest of the input is not this screen's.
    EventFlow OfferToButtons(const SDL_Event& event);
    void HandleEvent(const SDL_Event& event);
    void HandleKeyUp(const SDL_KeyboardEvent& key);
    void AskForHint();
    // The hint's outcome, once known, may be a box over the screen.
    void StepHint();
    void ShowHint(const Hint& hint);
    // One slice of whatever the solver is doing for this screen, the hint first.
    void Think();
    void TakePar();
    // A solve of this level would finish its set for the first time and so counts the set's
    // levels solved in par, which must be known first.
    bool WaitsForSetPars() const;
    void UpdateThinkingLabel();
    // Asks for the editor or the menu, with the level back at its start; the position left
    // is kept first.
    void Leave();
    void KeepLeftPosition();
    void RunCompletion();
    // What "Well done" leads on to once closed: the next level, whose intro (or the box saying it
    // is taken up where it was left) comes next.
    void GoOnAfterSolve();
    void AnswerWellDone(int32_t answer);
    // "Well done" with `text`, and Watch when par is known.
    void OpenWellDone(const std::string& text);

    // Watching a way (PlayStateWatch.cpp): where its moves come from, its own pass and input,
    // and leaving it.
    void StartWatching(PlayMode mode);
    void WatchPass();
    void HandleWatchEvent(const SDL_Event& event);
    void ActOnReplay(ReplayAction action);
    void StepWatchSearch();
    void StopWatching();

    // A generated puzzle (PlayGenerated.cpp): recorded under its own key, its par the
    // generator's; the day's ends with the line to share, an endless set's goes on with the
    // next puzzle, made while this one is played.
    bool PlayingGenerated() const;
    bool MakingPuzzle() const;
    void WantNextPuzzle();
    void RecordGeneratedSolve();
    void CompleteGenerated(const std::optional<SolveSummary>& summary);
    void GoOnToNextPuzzle();
    // A pass while the next puzzle is made: only leaving is heard.
    void WaitForPuzzlePass();
    void CheckSolved();
    // Records the solve and notes a set finished for the first time.
    void RecordSolve();
    void LookUpPar();
    void UpdateMoveLabel();
    void ShowPar();

    // Back to the level's start. The player's restart can be undone; the screen's own (leaving,
    // a new level) forgets what could.
    enum class RestartBy { Screen, Player };
    void Restart(RestartBy by = RestartBy::Screen);
    void Undo();
    void Redo();
    // After undo or redo: the board, the shapes and a dragged shape's pointer follow.
    void ShowStepTaken();
    void ClickMove();
    // A finger's release: a tap is a click, a swipe on a shape that has not stepped moves it.
    void TouchRelease();
    void PickUpShape();
    void DragStep();
    void SnapShapeSprites();
    void WarpIntoTile(TilePos tile);
    void UpdateHoverArrow();
    void UpdateHelpDiagram();
    void HandleMotion(const SDL_MouseMotionEvent& motion);
    void SelectShape(std::optional<ShapeKind> kind);
    void MoveSelected(int dx, int dy);
    // Asks the level for a move and plays the sound that answers it.
    void TryMove(TilePos from, int dx, int dy);
    std::optional<ShapeKind> ShapeAt(TilePos tile) const;
    // Takes a hint's arrow away, or stops its search, once the position it is for has changed.
    void DropHint();
    void ShowArrow(TilePos tile, TileSection section, bool blocked = false);
};

}  // namespace qv
