#pragma once
// Makes a way home shorter, a slice at a time. First each move is tried without: the rest of
// the way is replayed, leaving out the moves that no longer apply (a step out and back, the
// wanderings of a shape the others did not need), and kept so when it still ends at home.
// Then, from the end backwards, the rest of the way from each position along it is searched
// again for a shortest one, each search within a small budget. Where a shorter rest turns up
// it replaces the old; where the search proves the rest already shortest it moves one
// position back. Proven all the way to the start, the way is a shortest solution.
#include <cstddef>
#include <memory>
#include <vector>

#include "puzzle/AStarSearch.h"
#include "puzzle/Level.h"
#include "puzzle/Solver.h"

namespace qv {

class WayShortening {
public:
    // `way` must solve `level`. `maxStates` and `maxSeconds` bound all the searches together
    // (0 seconds: no time limit; states must be given).
    WayShortening(const Level& level, std::vector<SolverMove> way, std::size_t maxStates,
                  double maxSeconds);
    ~WayShortening();

    // Works for at most about `sliceSeconds` (zero: to the end); true once finished.
    bool Advance(double sliceSeconds);
    const std::vector<SolverMove>& Way() const { return way_; }
    bool ProvenShortest() const { return proven_; }
    std::size_t States() const { return states_; }
    double Seconds() const { return seconds_; }

private:
    // Tries the way without its move `at`; true when that made it shorter.
    bool LeaveOut(std::size_t at);
    // The positions before each move from `from` on, after the way changed there.
    void Replay(std::size_t from);
    // Starts the search from position `from` of the way, or finishes when there is none.
    void StartAt(int from);
    void TakeResult();

    Level level_;
    std::vector<SolverMove> way_;
    std::size_t maxStates_;
    double maxSeconds_;
    std::vector<Level> before_;  // the position before each move of the way
    std::size_t leaveOut_ = 0;   // the next move to try without
    std::unique_ptr<AStarSearch> search_;
    int from_ = 0;            // the position of the way the running search starts from
    int undecidedInARow_ = 0;
    bool proven_ = false;
    bool finished_ = false;
    std::size_t states_ = 0;
    double seconds_ = 0;
};

}  // namespace qv
