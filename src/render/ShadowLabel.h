#pragma once
// A line of text drawn over the wood with a one-pixel shadow, in two sprite slots of a screen:
// the shadow's, then the text's just after it. The label owns both pictures.
#include <SDL.h>
#include <SDL_ttf.h>

#include <string>

#include "render/DisplayScale.h"
#include "render/SpriteList.h"
#include "render/Surface.h"

namespace qv {

class ShadowLabel {
public:
    enum class Align { Left, Right };

    // The slots it shows in: `shadowSlot` and the one after it; `scale` (which must outlive the
    // label) places its text, rendered with a font opened at the scale's size.
    void Attach(SpriteList& sprites, int shadowSlot, const DisplayScale& scale);
    // Shows `text` with its left (or right) edge at x; empty text, or no font, shows nothing.
    void Show(TTF_Font* font, const std::string& text, int x, int y, Align align);
    // Shows the same text again with `font`, opened anew for the scale's new size.
    void Rescale(TTF_Font* font);

private:
    SpriteList* list = nullptr;
    const DisplayScale* scale = nullptr;
    int firstSlot = 0;
    std::string shownText;
    int shownX = 0;
    int shownY = 0;
    Align shownAlign = Align::Left;
    SurfacePtr shadowPicture;
    SurfacePtr textPicture;
};

}  // namespace qv
