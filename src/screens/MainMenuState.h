#pragma once
// The first screen after the splash: the level sets, the levels of the current set, a preview
// of the current level, and the Play, Edit and Quit buttons with the music and sound switches.
// The selection itself lives in the level library; the menu only changes and shows it. Below
// the library's sets come the generated ones (GeneratedSets), whose puzzles the menu has made
// a slice per pass as they are chosen.
#include <SDL.h>

#include <string>
#include <vector>

#include "puzzle/Types.h"
#include "render/Button.h"
#include "render/ShadowLabel.h"
#include "render/EventQueue.h"
#include "render/GameState.h"
#include "render/SpriteList.h"
#include "render/Surface.h"
#include "render/Text.h"
#include "screens/GameContext.h"
#include "screens/SetParSearch.h"

namespace qv {

struct ListBox;

class MainMenuState : public GameState {
public:
    // The menu's sprite slots, in drawing order. The locked marker lies just past the count and
    // is drawn only while the chosen level is locked.
    enum Slot : int {
        kMenuBackgroundSlot,
        kSetListSlot,
        kLevelListSlot,
        kPreviewSlot,
        kPlaySlot,
        kEditSlot,
        kQuitSlot,
        kEmptySlot,  // always empty
        kMusicSlot,
        kSoundSlot,
        kWatchShadowSlot,  // under the preview, for a solved level: watch a shortest way
        kWatchSlot,
        kBestShadowSlot,   // and the player's best, when one is kept
        kBestSlot,
        kSlotCount,
        kLockedSlot = kSlotCount
    };

    SpriteList sprites;  // what the menu shows

    // Starts the menu music; shows the library's sets and its current level.
    explicit MainMenuState(GameContext& context);
    ~MainMenuState() override;
    MainMenuState(const MainMenuState&) = delete;
    MainMenuState& operator=(const MainMenuState&) = delete;

    void HandleEvents() override;
    void Draw() override;
    void Rescale(const PictureMoves& moves) override;
    PageNote NoteForPage() const override { return PageNote(ScreenKind::Menu); }

    // The looks of the buttons that change: Edit shown only for the player's own set, the two
    // switches latched while music or sound is on.
    bool EditShown() const { return editButton.visible; }
    bool MusicSwitchOn() const { return musicButton.toggled; }
    bool SoundSwitchOn() const { return soundButton.toggled; }
    // The solver is at work on pars of the player's own levels, so the menu does not sleep.
    bool WorkingOutPars() const { return setPars.Pending(); }
    // A generated puzzle is being made, so the menu does not sleep either.
    bool MakingPuzzle() const { return ctx.generated.workshop.Working(); }

private:
    GameContext& ctx;
    SurfacePtr levelListSurface;
    SurfacePtr setListSurface;
    SurfacePtr previewSurface;
    FontPtr font;  // null when it could not be opened: the menu then shows nothing
    Button playButton;
    Button editButton;
    Button quitButton;
    Button musicButton;
    Button soundButton;
    SurfacePtr playDisabled;  // the Play button's look while the chosen level is locked
    // The player's own levels get their in-par marks as the solver finds their pars.
    SetParSearch setPars;
    // What a solved level offers to show, as keys and as labels to click.
    FontPtr offerFont;
    ShadowLabel watchLabel;
    ShadowLabel bestLabel;
    bool bestKept = false;

    void BuildSetList();
    void BuildLevelList();
    void BuildPreview();
    // Draws `level` in the preview; an empty one without.
    void DrawPreview(const Level* level);

    struct ListRow {
        std::string text;
        bool current;
        LevelStatus status;
        bool inPar = false;  // solved in its fewest moves: the row carries the par mark
    };

    // Each returns Stop when the menu reads no more input in this pass: it has been left, or the
    // game quits.
    EventFlow HandleEvent(const SDL_Event& event);
    EventFlow OfferToButtons(const SDL_Event& event);
    void HandleKeyDown(const SDL_KeyboardEvent& key);
    bool CurrentLevelLocked() const;
    // Play can't start: the level is locked, or the generated puzzle is not made.
    bool PlayBlocked() const;
    void Play();
    void HandleListClick();
    void HandleShiftKey(SDLKey key);

    // The generated sets (MenuGenerated.cpp).
    bool GeneratedChosen() const { return ctx.generated.ChosenSet().has_value(); }
    // The chosen generated puzzle, when it is made.
    const MadePuzzle* ChosenMade() const;
    void ChooseGeneratedSet(std::optional<int> set);
    void ChooseGeneratedRow(int row);
    void StepWorkshop();
    void AddGeneratedSetRows(std::vector<ListRow>& rows) const;
    void BuildGeneratedList();
    void ShowGeneratedOffer();

    void ApplyEditRule();
    void ShowWatchOffer();
    bool WatchOffered() const;
    // W or a click on its label: a shortest way; B or its label: the player's best.
    void Watch(ScreenName how);
    bool OnLabel(const Sprite& label, int x, int y) const;
    void RebuildLevelView();
    void BuildList(SurfacePtr& surface, const ListBox& box, SDL_Color background,
                   const char* createError, const char* keyError,
                   const std::vector<ListRow>& rows);
};

}  // namespace qv
