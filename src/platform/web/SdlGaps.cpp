// What emscripten's SDL 1.2 lacks of the calls the game makes.
#include <SDL.h>
#include <SDL_mixer.h>
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

// Its Mix_VolumeChunk only throws. Each sound it plays is an instance whose volume is its
// channel's; the chunk's volume scales that once, as SDL_mixer's does, when Web Audio starts it.
EM_JS(int, SetChunkVolume, (intptr_t chunk, int volume), {
    const info = SDL.audios[chunk];
    if (!info) return 0;
    const previous = info.qvVolume === undefined ? 128 : info.qvVolume;
    if (volume >= 0) info.qvVolume = Math.min(volume, 128);
    if (!SDL.qvPlayUnscaled) {
        SDL.qvPlayUnscaled = SDL.playWebAudio;
        SDL.playWebAudio = function (audio) {
            const chunkVolume = audio && audio.resource && audio.resource.qvVolume;
            if (chunkVolume !== undefined && audio.qvChannelVolume === undefined) {
                audio.qvChannelVolume = audio.volume;
                audio.volume = audio.volume * chunkVolume / 128;
            }
            return SDL.qvPlayUnscaled(audio);
        };
    }
    return previous;
});

// Its SDL_FillRect paints the colour over the canvas, so a fill with the transparent black the
// game clears keyed surfaces with changed nothing: the menu's lists and preview kept every
// earlier row and tile under the new ones, and a tile painted black in the editor kept its
// picture. SDL's own fill replaces the pixels, so the area is cleared first.
EM_JS(void, FillReplacing, (intptr_t surface, intptr_t rect, uint32_t color), {
    const data = SDL.surfaces[surface];
    if (data.isFlagSet(0x00200000 /* SDL_HWPALETTE */)) color = data.colors32[color];
    let area = rect ? SDL.loadRect(rect) : { x: 0, y: 0, w: data.width, h: data.height };
    if (data.clipRect) {
        area = SDL.intersectionOfRects(data.clipRect, area);
        if (rect) SDL.updateRect(rect, area);
    }
    data.ctx.save();
    data.ctx.clearRect(area.x, area.y, area.w, area.h);
    data.ctx.fillStyle = SDL.translateColorToCSSRGBA(color);
    data.ctx.fillRect(area.x, area.y, area.w, area.h);
    data.ctx.restore();
});

}  // namespace

extern "C" int SDL_FillRect(SDL_Surface* surface, const SDL_Rect* rect, Uint32 color) {
    if (!surface) return -1;
    FillReplacing(reinterpret_cast<intptr_t>(surface), reinterpret_cast<intptr_t>(rect), color);
    return 0;
}

// Its surfaces are canvases that keep their alpha, so the display format with and without
// alpha are the same copy.
extern "C" SDL_Surface* SDL_DisplayFormat(SDL_Surface* surface) {
    return SDL_DisplayFormatAlpha(surface);
}

extern "C" void TTF_SetFontStyle(TTF_Font* font, int style) {
    SetFamilyStyle(reinterpret_cast<intptr_t>(font), (style & TTF_STYLE_BOLD) != 0);
}

extern "C" int TTF_WasInit() { return TrueTypeStarted(); }

// Its SDL_Quit only prints. The game quits SDL as it ends (the Quit button, or a fatal error),
// and a page whose game has ended must say so rather than show its last picture.
EM_JS(void, EndOfGame, (), {
    if (Module.qvGameEnded) Module.qvGameEnded();
});

extern "C" void SDL_Quit() { EndOfGame(); }

extern "C" int Mix_VolumeChunk(Mix_Chunk* chunk, int volume) {
    return SetChunkVolume(reinterpret_cast<intptr_t>(chunk), volume);
}
