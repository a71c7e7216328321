#pragma once
// What the play screen tells the player about a solve: the move counter and par beside the
// level name, the lines of the "Well done" box and the "Set complete" box. Every line fits the
// message box at 14 points.
#include <optional>
#include <string>

#include "content/SetCompletion.h"

namespace qv {

struct SolveSummary {
    int moves = 0;
    std::optional<int> par;  // the level's fewest moves, when known
    bool newBest = false;    // beats a record the player already had
};

// "Solved in 9 moves. A new best." and "The fewest possible is 7." (or "That is the fewest
// possible."); the second line only when par is known.
std::string SolveLines(const SolveSummary& summary);
// The "Well done" box: the solve's lines when the level was really solved (Alt+W skips it),
// then the level's own solved text after an empty line.
std::string WellDoneText(const std::optional<SolveSummary>& summary, const std::string& solvedText);

// The puzzle of the day solved: the solve's lines, then the line to share and where it is.
std::string DailyDoneText(const SolveSummary& summary, const std::string& shareLine, bool copied);
// An endless set's puzzle solved: the solve's lines and the puzzle that comes next.
std::string EndlessDoneText(const std::optional<SolveSummary>& summary, const std::string& next);

inline constexpr char kWellDoneTitle[] = "Well done";
inline constexpr char kSetCompleteTitle[] = "Set complete";

// Names the set, counts its levels solved in par and says what comes next (`nextSetName` for
// NextSet and OwnLevels).
std::string SetCompleteText(const std::string& setName, int inPar, int levelCount, AfterSet after,
                            const std::string& nextSetName);

std::string MovesLabel(int moves);
std::string ParLabel(int par);

}  // namespace qv
