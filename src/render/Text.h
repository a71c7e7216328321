#pragma once
// The user-interface font and text rendering with SDL_ttf.
#include <SDL.h>
#include <SDL_ttf.h>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "render/Surface.h"

namespace qv {

// The most characters of a text handed to SDL_ttf. No glyph is narrower than a pixel and the
// game's screens are 800 pixels wide, so more can never show; and SDL_ttf copies the whole text
// onto the stack, which a line of megabytes overflows.
constexpr std::size_t kMaxRenderedChars = 800;

struct FontDeleter {
    void operator()(TTF_Font* font) const { TTF_CloseFont(font); }
};
using FontPtr = std::unique_ptr<TTF_Font, FontDeleter>;

// Opens the system's Arial (or its metric twin) at the given size; reports and returns null
// when it can't. TTF_Init must have run.
FontPtr OpenUiFont(int points);

// Anti-aliased text for drawing over a picture, at most its first kMaxRenderedChars
// characters; reports "Can't render text." and returns null when rendering fails (or there is
// no font).
SurfacePtr RenderBlended(TTF_Font* font, const std::string& text, SDL_Color color);
// Text on an opaque background box; fails the same way.
SurfacePtr RenderShaded(TTF_Font* font, const std::string& text, SDL_Color foreground,
                        SDL_Color background);

// Opens the font at `points`, or a point or two smaller when one of `lines` would be wider
// than `width` at that size: the game's texts were written for a slightly narrower Arial, and a
// word cut off at a box's edge is worse than smaller text. Never below `smallest` points.
FontPtr OpenUiFontFitting(int points, int smallest, const std::vector<std::string>& lines,
                          int width);

// Pixel width of `text` in `font`; 0 for empty text or when it can't be measured.
int TextWidth(TTF_Font* font, const std::string& text);

// `text`, or as much of it as fits in `width` with "..." where the rest was: at the end, or at
// the start when `keepEnd` (a name being typed shows its newest letters).
std::string CutToWidth(TTF_Font* font, const std::string& text, int width, bool keepEnd = false);

// Breaks `line` at blanks into lines no wider than `width`, so that no word is lost at a box's
// edge. A single word wider than `width` gets a line of its own: it is the only thing a box may
// cut. An empty line stays one empty line.
std::vector<std::string> WrapLine(TTF_Font* font, const std::string& line, int width);

}  // namespace qv
