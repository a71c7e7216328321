#pragma once
// Watching a way through a level on the play screen: a shortest one the solver finds, or the
// player's best. The moves are made one by one from the level's start at a calm pace, the
// counter running with them; the player can pause, step back and forth, start again or leave.
// Nothing of it is recorded.
#include <SDL.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "puzzle/Level.h"
#include "puzzle/Solver.h"
#include "screens/SlicedSolve.h"

namespace qv {

// Said when a shortest way can't be shown after all.
inline constexpr char kNoShortestWayTitle[] = "No shortest way this time";
inline constexpr char kNoShortestWayText[] =
    "A shortest way through this level could not be\nworked out in time.";

enum class ReplayAction { None, Forward, Back, Pause, Rewind, Leave };

// What a key released during a replay asks for: the arrows and Ctrl+Y / Ctrl+Z step, Space
// pauses and goes on, Ctrl+R starts again, Escape leaves.
ReplayAction ReplayKey(const SDL_KeyboardEvent& key);

class PlayReplay {
public:
    // Long enough to follow each move and the colour it leaves.
    static constexpr uint32_t kStepMs = 700;

    // Watches `moves` from the level's start, the first one a step's time from `now`.
    void Watch(std::vector<SolverMove> moves, uint32_t now);
    // Watches a shortest way, once the solver has found one from `start` (StepSearch).
    void WatchShortest(const Level& start);
    // One slice of the search for the shortest way. Found: the moves play from `now` on.
    enum class Search { Going, Found, NotFound };
    Search StepSearch(uint32_t now);
    void Stop();

    bool Active() const { return active; }
    bool Searching() const { return search.Running(); }
    bool Paused() const { return paused; }
    bool AtEnd() const { return made == moves.size(); }
    // How long until the next move is due; nothing while paused, searching or at the end.
    std::optional<uint32_t> WaitMs(uint32_t now) const;

    // Makes the next move when it is due; true when the board changed.
    bool Advance(Level& level, uint32_t now);
    // What the player asked for; true when the board changed.
    bool Act(ReplayAction action, Level& level, uint32_t now);

private:
    std::vector<SolverMove> moves;
    std::size_t made = 0;  // moves made on the board, from the start
    bool active = false;
    bool paused = false;
    uint32_t dueAt = 0;
    SlicedSolve search;

    bool Forward(Level& level);
    bool Back(Level& level);
};

}  // namespace qv
