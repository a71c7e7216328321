#pragma once
// A line of text drawn over the wood with a one-pixel shadow, in two sprite slots of a screen:
// the shadow's, then the text's just after it. The label owns both pictures.
#include <SDL.h>
#include <SDL_ttf.h>

#include <string>

#include "render/SpriteList.h"
#include "render/Surface.h"

namespace qv {

class ShadowLabel {
public:
    enum class Align { Left, Right };

    // The slots it shows in: `shadowSlot` and the one after it.
    void Attach(SpriteList& sprites, int shadowSlot);
    // Shows `text` with its left (or right) edge at x; empty text, or no font, shows nothing.
    void Show(TTF_Font* font, const std::string& text, int x, int y, Align align);

private:
    SpriteList* list = nullptr;
    int firstSlot = 0;
    SurfacePtr shadowPicture;
    SurfacePtr textPicture;
};

}  // namespace qv
