#pragma once
// The level name field under the editor's board: where it is, which typed characters a name
// may take, and where the caret goes.
#include <SDL.h>

#include <string>

namespace qv {

// A name stops growing once its label is this wide.
constexpr int kNameWidthLimit = 170;

// The field's rectangle: the name strip, one label high.
SDL_Rect NameFieldArea();
// Inside it, edges included.
bool InNameField(int x, int y);

// Letters A to Z and a to z, digits and the blank. The whole character code counts, so a
// character beyond ASCII never passes as the letter in its low byte.
bool IsNameCharacter(Uint16 unicode);

// A name of nothing but blanks shows as an empty row in the menu: it is no name.
bool IsBlankName(const std::string& name);

// Just right of the centred name label.
int CaretX(int labelWidth);

}  // namespace qv
