#pragma once
// The level as it was when the editor was entered or last saved; leaving the editor compares
// the edited level against it to find unsaved changes. One for the process: the menu sets it
// when it opens the editor, and it outlives the editor's trips to the play screen.
#include "puzzle/Level.h"

namespace qv {

Level& EditorBaseline();

}  // namespace qv
