#pragma once
// Makes a way home shorter, a slice at a time, in two stages:
// - each move is tried without: the rest of the way is replayed, leaving out the moves that no
//   longer apply (a step out and back, the wanderings of a shape the others did not need), and
//   kept so when it still ends at home;
// - from the end backwards, the rest of the way from each position along it is searched again
//   for a shortest one. Where the search proves the rest already shortest it moves one
//   position back; proven all the way to the start, the way is a shortest solution.
// Every search has a small budget of its own; all of them together stay within the given one.
#include <cstddef>
#include <memory>
#include <vector>

#include "puzzle/AStarSearch.h"
#include "puzzle/Level.h"
#include "puzzle/Solver.h"

namespace qv {

class WayShortening {
public:
    // `wayHome` must solve `start`. `stateBudget` and `secondsBudget` bound all the searches
    // together (0 seconds: no time limit; states must be given).
    WayShortening(const Level& start, std::vector<SolverMove> wayHome, std::size_t stateBudget,
                  double secondsBudget);
    ~WayShortening();

    // Works for at most about `sliceSeconds` (zero: to the end); true once finished.
    bool Advance(double sliceSeconds);
    const std::vector<SolverMove>& Way() const { return way; }
    bool ProvenShortest() const { return proven; }
    std::size_t States() const { return states; }
    double Seconds() const { return seconds; }

private:
    enum class Stage { LeaveOut, Rest, Done };

    // Tries the way without its move `index`; true when that made it shorter.
    bool LeaveOut(std::size_t index);
    // The positions before each move from `from` on, and after the last, once the way changed
    // there.
    void Replay(std::size_t from);
    // Puts `moves` in place of the way's moves from `from` to `to`.
    void Splice(std::size_t from, std::size_t to, const std::vector<SolverMove>& moves);
    // Starts the search of the rest from position `from`, within what is left of the budget
    // and capped at a share of it; done when there is no such position or budget.
    void StartRest(int from);
    void TakeRest();

    Level level;
    std::vector<SolverMove> way;
    std::size_t maxStates;
    double maxSeconds;
    std::vector<Level> positions;  // before each move of the way, and after the last
    Stage stage = Stage::LeaveOut;
    std::size_t at = 0;  // the move to try without, or where the running search starts
    std::unique_ptr<AStarSearch> search;
    int undecidedInARow = 0;
    bool proven = false;
    std::size_t states = 0;
    double seconds = 0;
};

}  // namespace qv
