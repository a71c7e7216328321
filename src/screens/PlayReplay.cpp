#include "screens/PlayReplay.h"

#include <utility>

#include "platform/Input.h"
#include "puzzle/MoveText.h"

namespace qv {

ReplayAction ReplayKey(const SDL_KeyboardEvent& key) {
    const SDLMod mod = WithoutLocks(key.keysym.mod);
    const bool ctrl = (mod & KMOD_CTRL) != 0;
    const bool shift = (mod & KMOD_SHIFT) != 0;
    switch (key.keysym.sym) {
    case SDLK_RIGHT: return ReplayAction::Forward;
    case SDLK_LEFT: return ReplayAction::Back;
    case SDLK_y: return ctrl ? ReplayAction::Forward : ReplayAction::None;
    case SDLK_z:
        if (!ctrl) return ReplayAction::None;
        return shift ? ReplayAction::Forward : ReplayAction::Back;
    case SDLK_SPACE: return ReplayAction::Pause;
    case SDLK_r: return ctrl ? ReplayAction::Rewind : ReplayAction::None;
    case SDLK_ESCAPE: return ReplayAction::Leave;
    default: return ReplayAction::None;
    }
}

void PlayReplay::Watch(std::vector<SolverMove> way, uint32_t now) {
    search.Cancel();
    moves = std::move(way);
    made = 0;
    active = true;
    paused = false;
    dueAt = now + kStepMs;
}

void PlayReplay::WatchShortest(const Level& start) {
    moves.clear();
    made = 0;
    active = true;
    paused = false;
    // Only a proven shortest way is shown as one: no way search after the proof.
    SolverLimits limits = kHintLimits;
    limits.wayStates = 0;
    search.Start(StartOf(start), limits);
}

PlayReplay::Search PlayReplay::StepSearch(uint32_t now) {
    if (!search.Step()) return Search::Going;
    const SolveResult& result = search.Result();
    if (result.outcome != SolveOutcome::Solved) {
        active = false;
        return Search::NotFound;
    }
    Watch(result.solution, now);
    return Search::Found;
}

void PlayReplay::Stop() {
    search.Cancel();
    active = false;
    moves.clear();
    made = 0;
}

std::optional<uint32_t> PlayReplay::WaitMs(uint32_t now) const {
    if (!active || paused || Searching() || AtEnd()) return std::nullopt;
    // Unsigned difference: a step overdue is due now.
    const uint32_t left = dueAt - now;
    return left <= kStepMs ? left : 0;
}

bool PlayReplay::Advance(Level& level, uint32_t now) {
    const auto wait = WaitMs(now);
    if (!wait || *wait > 0) return false;
    dueAt = now + kStepMs;
    return Forward(level);
}

bool PlayReplay::Act(ReplayAction action, Level& level, uint32_t now) {
    if (!active || Searching()) return false;
    switch (action) {
    case ReplayAction::Forward:
        paused = true;
        return Forward(level);
    case ReplayAction::Back:
        paused = true;
        return Back(level);
    case ReplayAction::Pause:
        // At the end, going on starts the way again.
        if (AtEnd()) return Act(ReplayAction::Rewind, level, now);
        paused = !paused;
        dueAt = now + kStepMs;
        return false;
    case ReplayAction::Rewind: {
        const bool changed = made > 0;
        while (Back(level)) {
        }
        paused = false;
        dueAt = now + kStepMs;
        return changed;
    }
    case ReplayAction::None:
    case ReplayAction::Leave:
        return false;
    }
    return false;
}

bool PlayReplay::Forward(Level& level) {
    if (AtEnd()) return false;
    // The moves were found or kept for this board: one it refuses ends the way there.
    if (!PlayMoves(level, {moves[made]})) {
        moves.resize(made);
        return false;
    }
    ++made;
    return true;
}

bool PlayReplay::Back(Level& level) {
    if (made == 0) return false;
    level.UndoMove();
    --made;
    return true;
}

}  // namespace qv
