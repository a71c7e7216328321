#pragma once
// What the menu and the play screen share about generated puzzles: their rows and the line under
// the preview, putting one on the play screen, and opening one from a link ("#G1.medium.17").
#include <optional>
#include <string>

#include "content/LevelLibrary.h"
#include "screens/GameContext.h"
#include "screens/GeneratedSets.h"

namespace qv {

// The generated sets are listed after the library's sets and an empty row.
int FirstGeneratedSetRow(const LevelLibrary& library);

// "12-08 easy" with the player's record when there is one: "12-08 easy: 23 moves".
std::string GeneratedRowText(const GeneratedPick& pick, std::optional<int> record);
// Under the preview: "par 21, your best 23", or why there is no board yet.
std::string GeneratedOfferText(const PuzzleWorkshop& workshop, const GeneratedPick& pick,
                               std::optional<int> record);
inline constexpr char kMakingPuzzleText[] = "making the puzzle...";

// Plays a made puzzle: it stands in for the library's current level, as a linked level does,
// so nothing of it reaches the progress file; the play screen records it under its own key.
void PutGeneratedLevel(GameContext& context, const GeneratedPick& pick, const MadePuzzle& made);

// Opens the menu on a linked puzzle's row, to be played as soon as it is made; a damaged link
// is reported and the menu opens as it was.
void OpenPuzzleLink(GameContext& context, const std::string& fragment);

}  // namespace qv
