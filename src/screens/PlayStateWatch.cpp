// The watching half of the play screen: a way through the level shown move by move, asked for
// in "Well done" or from the menu (PlayReplay holds the way and its pace).
#include <vector>

#include "render/MessageBoxes.h"
#include "screens/PlayKeeping.h"
#include "screens/PlayState.h"

namespace qv {

void PlayState::StartWatching(PlayMode mode) {
    Level& level = BoardLevel();
    Restart();
    introPending = false;
    // No arrow points at a move while the moves are the way's.
    sprites.sprites[kArrowSlot].picture = nullptr;
    // Watching keeps nothing: the position the level was left in stays as it was.
    positionKept = true;
    watchedBest = mode == PlayMode::WatchBest;
    if (watchedBest) {
        // The menu offers the player's best only when one is kept; without it nothing plays.
        replay.Watch(KeptSolution(ctx).value_or(std::vector<SolverMove>{}), ctx.clock.Ticks());
    } else {
        replay.WatchShortest(level);
    }
}

void PlayState::StepWatchSearch() {
    switch (replay.StepSearch(ctx.clock.Ticks())) {
    case PlayReplay::Search::Going:
    case PlayReplay::Search::Found:
        return;
    case PlayReplay::Search::NotFound:
        StopWatching();
        // The box keeps a picture of the screen beneath it, which has stopped thinking.
        Draw();
        OpenMessageBox(ctx, kNoShortestWayTitle, kNoShortestWayText, nullptr);
        return;
    }
}

void PlayState::StopWatching() {
    replay.Stop();
    Restart();
    if (watchFromMenu) {
        ctx.SwitchTo(ScreenName::MainMenu);
        return;
    }
    introPending = false;
    GoOnAfterSolve();
}

void PlayState::WatchPass() {
    const auto handle = [this](const SDL_Event& event) {
        HandleWatchEvent(event);
        return replay.Active() ? EventFlow::Continue : EventFlow::Stop;
    };
    // The solver's work (the way, the par of the player's own level) must not wait for input;
    // the next move waits only for its time.
    EventFlow flow = EventFlow::Continue;
    if (Thinking())
        flow = ctx.events.DrainNow(handle);
    else if (const auto wait = replay.WaitMs(ctx.clock.Ticks()))
        flow = ctx.events.WaitAndDrain(handle, *wait);
    else
        flow = ctx.events.WaitAndDrain(handle);
    if (flow == EventFlow::Stop || !replay.Active()) return;
    if (replay.Searching()) {
        StepWatchSearch();
    } else if (parSearch.Running()) {
        if (parSearch.Step()) TakePar();
    }
    if (replay.Advance(BoardLevel(), ctx.clock.Ticks())) ShowStepTaken();
}

void PlayState::HandleWatchEvent(const SDL_Event& event) {
    if (undoButton.HandleEvent(event)) ActOnReplay(ReplayAction::Back);
    if (redoButton.HandleEvent(event)) ActOnReplay(ReplayAction::Forward);
    if (restartButton.HandleEvent(event)) ActOnReplay(ReplayAction::Rewind);
    if (exitButton.HandleEvent(event)) {
        ActOnReplay(ReplayAction::Leave);
        ctx.events.DiscardPending();
        return;
    }
    if (event.type == SDL_KEYUP)
        ActOnReplay(ReplayKey(event.key));
    else if (event.type == SDL_MOUSEBUTTONUP && event.button.button == SDL_BUTTON_RIGHT)
        ActOnReplay(ReplayAction::Back);
    else if (event.type == SDL_QUIT)
        ctx.screens.Quit();
}

void PlayState::ActOnReplay(ReplayAction action) {
    if (action == ReplayAction::Leave) {
        StopWatching();
        return;
    }
    if (replay.Act(action, BoardLevel(), ctx.clock.Ticks())) ShowStepTaken();
}

}  // namespace qv
