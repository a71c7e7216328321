#pragma once
// A level opened from a link (puzzle/LevelLink.h). It is played in place of the current
// level's working copy, which comes back from its file or the tutorial when the level is left
// or solved: nothing of it reaches the progress file, the player's level files or the editor.
#include <string>

namespace qv {

// Opens the level on the play screen; a fragment that holds none is reported and the menu opens.
void OpenLinkedLevel(const std::string& fragment);

// Puts the working copy back; the play screen calls it as it leaves a linked level.
void CloseLinkedLevel();

}  // namespace qv
