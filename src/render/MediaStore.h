#pragma once
// Pictures and sound effects shared by the screens, loaded once at start-up.
// (Being filled in: the picture and sound tables.)
#include <SDL.h>

#include <string>

// Loads one picture into a new surface the caller owns; reports and returns null on failure.
SDL_Surface* LoadBitmap(const std::string& path);
// Fills the picture table at start-up.
void LoadAllPictures();
