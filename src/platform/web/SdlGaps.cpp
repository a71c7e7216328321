// What emscripten's SDL 1.2 lacks of the calls the game makes.
#include <SDL.h>
#include <SDL_ttf.h>
#include <emscripten.h>

#include <cstdint>

namespace {

// Its TTF fonts are CSS font families; the page loads the shipped bold face under the
// regular one's name with " Bold" added.
EM_JS(void, SetFamilyStyle, (intptr_t font, int bold), {
    const data = SDL.fonts[font];
    if (!data) return;
    data.regularName = data.regularName || data.name;
    data.name = data.regularName + (bold ? " Bold" : "");
});

EM_JS(int, TrueTypeStarted, (), { return SDL.ttfContext ? 1 : 0; });

}  // namespace

// Its surfaces are canvases that keep their alpha, so the display format with and without
// alpha are the same copy.
extern "C" SDL_Surface* SDL_DisplayFormat(SDL_Surface* surface) {
    return SDL_DisplayFormatAlpha(surface);
}

extern "C" void TTF_SetFontStyle(TTF_Font* font, int style) {
    SetFamilyStyle(reinterpret_cast<intptr_t>(font), (style & TTF_STYLE_BOLD) != 0);
}

extern "C" int TTF_WasInit() { return TrueTypeStarted(); }
