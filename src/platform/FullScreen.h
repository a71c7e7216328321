#pragma once
// Switching the open window between a window and the full screen, keeping its size and depth.

namespace qv {

// Whether the display is shown full screen now (false without a display).
bool DisplayIsFullScreen();

// Shows the display full screen (true) or in a window. True when it is in that mode now.
// The display surface may have been replaced, with the same size and layout; a failed
// switch leaves the old mode.
bool SetFullScreen(bool on);

}  // namespace qv
