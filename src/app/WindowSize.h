#pragma once
// The window's size across starts, on a desktop where the game chooses it: the size the player
// left it at, kept in a file of the game's own ("./window.save", the width and the height in
// pixels), or at the first start the largest that sits comfortably on the screen.
#include <optional>
#include <string>

#include "platform/VideoMode.h"

namespace qv {

inline constexpr const char* kWindowSizeFile = "./window.save";

// The window of the first start for a picture of `logical` units on a screen of `screen`: the
// largest scale at which it takes at most 90 % of the screen's width and height, but at least
// 1 (the logical size itself, which a screen too small for it still gets). A screen of unknown
// size gets the logical size.
PixelSize FirstWindowSize(PixelSize screen, PixelSize logical);

// The size kept in `path`: two whole numbers of 1 to 16384; nothing when the file is missing or
// holds anything else.
std::optional<PixelSize> ReadKeptWindowSize(const std::string& path);
// Keeps `size` in `path`, written whole or not at all; false when it could not be written.
bool KeepWindowSize(const std::string& path, PixelSize size);

// The window to open: the kept size when there is one that fits on the screen, else the first
// start's size.
PixelSize ChooseWindowSize(const std::string& path, PixelSize screen, PixelSize logical);

}  // namespace qv
