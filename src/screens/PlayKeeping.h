#pragma once
// What is kept of the current level's plays between runs (content/KeptPlay.h): the position it
// was left in unsolved, made again when it is next opened, and the player's best solution, to
// watch again. Only the sets' own levels keep anything: a level tried from the editor or opened
// from a link is not the level its slot names.
#include <optional>
#include <string>
#include <vector>

#include "puzzle/Solver.h"
#include "screens/GameContext.h"

namespace qv {

// The box that comes instead of the intro when a level is taken up where it was left.
inline constexpr char kResumedTitle[] = "Where you left off";
std::string ResumedText(int moves);

// Makes the moves kept for the current level, which stands at its start. Returns how many;
// 0 when none were kept, or when they no longer fit the level (and are dropped).
int ResumeKeptPosition(GameContext& context);
// Keeps the current level's moves as the player leaves it; a level solved, or left at its start,
// drops what was kept.
void KeepPosition(GameContext& context);

// Keeps the current level's moves, which solve it, as the player's best way when they are no
// more than the record, or when no way is kept yet for the record.
void KeepSolution(GameContext& context, int record);
// The player's best way through the current level, when one is kept for it as it is now.
std::optional<std::vector<SolverMove>> KeptSolution(GameContext& context);

}  // namespace qv
