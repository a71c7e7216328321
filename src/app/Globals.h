#pragma once
// Process-wide objects that belong to no single screen.
#include "puzzle/Level.h"

// The level as it was when the editor was entered or last saved; leaving the editor compares
// the edited level against it to find unsaved changes.
Level& EditorBaseline();

// Creates the process-wide objects in their fixed order. Runs before main; calling it again
// changes nothing.
void CreateProcessObjects();
