#include "render/Text.h"

#include "platform/FontLocator.h"
#include "platform/sdl/SdlErrorReport.h"

FontPtr OpenUiFont(int points) {
    FontPtr font(TTF_OpenFont(UiFontPath().c_str(), points));
    // The player's message names the font the game asks for, whichever file stood in for it.
    if (!font) ReportSdlError("Can't open font file \\arial.ttf.");
    return font;
}

namespace {

SurfacePtr Checked(SDL_Surface* rendered) {
    if (!rendered) ReportSdlError("Can't render text.");
    return SurfacePtr(rendered);
}

}  // namespace

SurfacePtr RenderBlended(TTF_Font* font, const std::string& text, SDL_Color color) {
    if (!font) {
        SDL_SetError("No font");
        return Checked(nullptr);
    }
    return Checked(TTF_RenderText_Blended(font, text.c_str(), color));
}

SurfacePtr RenderShaded(TTF_Font* font, const std::string& text, SDL_Color foreground,
                        SDL_Color background) {
    if (!font) {
        SDL_SetError("No font");
        return Checked(nullptr);
    }
    return Checked(TTF_RenderText_Shaded(font, text.c_str(), foreground, background));
}
