// The play screen on a generated puzzle: the puzzle of the day, or one of an endless set.
#include "generator/PuzzleKeys.h"
#include "platform/Clipboard.h"
#include "puzzle/BoardTag.h"
#include "render/MessageBoxes.h"
#include "screens/LinkedLevel.h"
#include "screens/MenuGenerated.h"
#include "screens/PlayState.h"

namespace qv {

bool PlayState::PlayingGenerated() const {
    return ctx.generated.playing.has_value() && BoardLevel().fromLink;
}

bool PlayState::MakingPuzzle() const {
    return PlayingGenerated() && ctx.generated.workshop.Working();
}

void PlayState::WantNextPuzzle() {
    if (PlayingGenerated() && !ctx.generated.playing->day)
        ctx.generated.workshop.Want(GeneratedSets::After(*ctx.generated.playing).puzzle);
}

void PlayState::RecordGeneratedSolve() {
    const GeneratedPick pick = *ctx.generated.playing;
    LevelLibrary& library = ctx.library;
    const int moves = static_cast<int>(BoardLevel().playHistory.size());
    Level start = BoardLevel();
    start.UndoAllMoves();
    const std::string tag = BoardTag(start);
    const bool hadRecord = library.RecordOf(pick.RecordKey(), tag).has_value();
    const bool improved = library.OfferRecordOf(pick.RecordKey(), tag, moves);
    lastSolve = SolveSummary{moves, par, improved && hadRecord};
    ctx.generated.Solved(pick);
}

void PlayState::CompleteGenerated(const std::optional<SolveSummary>& summary) {
    const GeneratedPick pick = *ctx.generated.playing;
    if (!pick.day) {
        OpenWellDone(EndlessDoneText(summary, GeneratedSets::After(pick).Name()));
        return;
    }
    std::string text = "You have solved \"" + pick.Name() + "\".";
    if (summary) {
        const std::string line = DailyShareLine(*pick.day, summary->moves, par.value_or(summary->moves));
        text = DailyDoneText(*summary, line, CopyToClipboard(line));
    }
    Restart();
    CloseLinkedLevel(ctx.library);
    ctx.generated.playing.reset();
    ctx.SwitchTo(ScreenName::MainMenu);
    OpenMessageBox(ctx, kWellDoneTitle, text, nullptr);
}

void PlayState::GoOnToNextPuzzle() {
    GeneratedSets& generated = ctx.generated;
    GeneratedPick next = GeneratedSets::After(*generated.playing);
    // A seed the generator gave up on is passed over.
    while (generated.workshop.Failed(next.puzzle)) next = GeneratedSets::After(next);
    const MadePuzzle* made = generated.workshop.Find(next.puzzle);
    waitingForPuzzle = made == nullptr;
    if (!made) {
        generated.workshop.Want(next.puzzle);
        return;
    }
    Restart();
    PutGeneratedLevel(ctx, next, *made);
    ShowLevel(ctx.library.CurrentLevel());
    Restart();
    LookUpPar();
    WantNextPuzzle();
}

void PlayState::WaitForPuzzlePass() {
    const auto handle = [this](const SDL_Event& event) {
        const bool escape = event.type == SDL_KEYUP && event.key.keysym.sym == SDLK_ESCAPE;
        if (exitButton.HandleEvent(event) || escape) {
            waitingForPuzzle = false;
            Leave();
            ctx.events.DiscardPending();
            return EventFlow::Stop;
        }
        if (event.type == SDL_QUIT) {
            ctx.screens.Quit();
            return EventFlow::Stop;
        }
        return EventFlow::Continue;
    };
    if (ctx.events.DrainNow(handle) == EventFlow::Stop) return;
    if (ctx.generated.workshop.Step() || !ctx.generated.workshop.Working()) GoOnToNextPuzzle();
}

}  // namespace qv
