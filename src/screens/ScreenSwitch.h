#pragma once

namespace qv {

// Switching between the three screens. Each deletes the current screen before it builds the
// next; a screen that calls one from its own HandleEvents must return at once and touch none of
// its members.
void SwitchToMainMenu();
void SwitchToPlay();
void SwitchToEditor();

}  // namespace qv
