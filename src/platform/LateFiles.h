#pragma once
// Files of the game folder that arrive after the game has started. On a desktop the whole folder
// is there from the start. A browser first fetches only what the splash needs; the pictures,
// buttons and sounds come while the splash shows, and each piece of music only when it is to be
// heard, so the first visit downloads little before the menu.
#include <string>

namespace qv {

// Returns once the pictures, buttons, sounds and the font are in place.
void AwaitStartFiles();

// Whether the music file `path` is in the folder, or will never come (then opening it fails as
// for any missing file).
bool MusicAtHand(const std::string& path);
// Starts fetching it, once; its arrival wakes the game (PostWakeUp).
void FetchMusic(const std::string& path);

}  // namespace qv
