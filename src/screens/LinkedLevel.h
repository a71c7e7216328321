#pragma once
// A level opened from a link (puzzle/LevelLink.h). It is played in place of the current
// level's working copy, which comes back from its file or the tutorial when the level is left
// or solved: nothing of it reaches the progress file, the player's level files or the editor.
#include <string>

#include "content/LevelLibrary.h"
#include "screens/GameContext.h"

namespace qv {

// Asks for the play screen on the level; a fragment that holds none is reported and the menu
// opens instead. A generated puzzle's link opens the menu on it (OpenPuzzleLink).
void OpenLinkedLevel(GameContext& context, const std::string& fragment);

// Puts the working copy back; the play screen calls it as it leaves a linked level.
void CloseLinkedLevel(LevelLibrary& library);

}  // namespace qv
