#include "render/Text.h"

#include "platform/FontLocator.h"
#include "platform/SdlErrorReport.h"

namespace qv {

FontPtr OpenUiFont(int points) {
    FontPtr font(TTF_OpenFont(UiFontPath().c_str(), points));
    // The player's message names the font the game asks for, whichever file stood in for it.
    if (!font) ReportSdlError("Can't open font file \\arial.ttf.");
    return font;
}

namespace {

std::string Shown(const std::string& text) { return text.substr(0, kMaxRenderedChars); }

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
    return Checked(TTF_RenderText_Blended(font, Shown(text).c_str(), color));
}

SurfacePtr RenderShaded(TTF_Font* font, const std::string& text, SDL_Color foreground,
                        SDL_Color background) {
    if (!font) {
        SDL_SetError("No font");
        return Checked(nullptr);
    }
    return Checked(TTF_RenderText_Shaded(font, Shown(text).c_str(), foreground, background));
}

namespace {

int WidestLine(TTF_Font* font, const std::vector<std::string>& lines) {
    int widest = 0;
    for (const std::string& line : lines) {
        int w = 0;
        int h = 0;
        if (!line.empty() && TTF_SizeText(font, Shown(line).c_str(), &w, &h) == 0 && w > widest)
            widest = w;
    }
    return widest;
}

}  // namespace

FontPtr OpenUiFontFitting(int points, int smallest, const std::vector<std::string>& lines,
                          int width) {
    for (int size = points; size > smallest; --size) {
        FontPtr font = OpenUiFont(size);
        // A font that can't be opened has been reported once; trying smaller sizes would only
        // repeat the box.
        if (!font || WidestLine(font.get(), lines) <= width) return font;
    }
    return OpenUiFont(smallest);
}

}  // namespace qv
