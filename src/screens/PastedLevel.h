#pragma once
// A level code (puzzle/LevelLink.h) opened in the editor, pasted there or given on the command
// line: the code's level takes the place of a level of the player's own set, unsaved. Saving
// keeps it in that level's file; leaving without saving keeps the level that was there.
#include <string>

#include "puzzle/Level.h"
#include "screens/GameContext.h"

namespace qv {

// The most of the clipboard read as a code: a whole link, with room for an address before it.
constexpr std::size_t kMaxPastedChars = 4096;

// The level in the editor becomes the code's board and name; its file and status stay, and the
// texts of the level it replaces, which speak of another board, go.
void PutCodedLevel(Level& level, const Level& coded);

// Opens the editor on the code's level in place of the first level of the player's own set
// ("be creative"); a damaged code, or no such set, is reported and the menu opens instead.
void OpenLevelCode(GameContext& context, const std::string& code);

// The boxes that tell how a pasted code went.
inline constexpr char kCodeOpenedTitle[] = "A level code has been opened";
std::string CodeOpenedText(const std::string& name, const std::string& replacedName);
inline constexpr char kNoCodeTitle[] = "There is no level code to paste";
inline constexpr char kNoCodeText[] =
    "Copy a level code first: it starts with #L1. and\n"
    "holds a whole level. Then press Ctrl+V here.";
inline constexpr char kDamagedCodeTitle[] = "This level code can't be opened";

}  // namespace qv
