#include "render/MediaStore.h"

// Placeholders until the media store lands.
SDL_Surface* LoadBitmap(const std::string&) { return nullptr; }
void LoadAllPictures() {}
