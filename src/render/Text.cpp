#include "render/Text.h"

#include <algorithm>

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

int TextWidth(TTF_Font* font, const std::string& text) {
    int w = 0;
    int h = 0;
    if (!font || text.empty() || TTF_SizeText(font, Shown(text).c_str(), &w, &h) != 0) return 0;
    return w;
}

std::string CutToWidth(TTF_Font* font, const std::string& text, int width, bool keepEnd) {
    static const std::string kCut = "...";
    if (TextWidth(font, text) <= width) return text;
    for (std::size_t kept = text.size() - 1; kept > 0; --kept) {
        const std::string shown =
            keepEnd ? kCut + text.substr(text.size() - kept) : text.substr(0, kept) + kCut;
        if (TextWidth(font, shown) <= width) return shown;
    }
    return kCut;
}

namespace {

int WidestLine(TTF_Font* font, const std::vector<std::string>& lines) {
    int widest = 0;
    for (const std::string& line : lines) widest = std::max(widest, TextWidth(font, line));
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

std::vector<std::string> WrapLine(TTF_Font* font, const std::string& line, int width) {
    std::vector<std::string> wrapped;
    std::string::size_type start = 0;
    do {
        // The longest run of whole words from `start` that fits; at least one word.
        std::string::size_type end = line.find(' ', line.find_first_not_of(' ', start));
        if (end == std::string::npos) end = line.size();
        while (end < line.size()) {
            std::string::size_type next = line.find(' ', line.find_first_not_of(' ', end));
            if (next == std::string::npos) next = line.size();
            if (TextWidth(font, line.substr(start, next - start)) > width) break;
            end = next;
        }
        wrapped.push_back(line.substr(start, end - start));
        // The blanks at a break would only push the next line to the right.
        start = line.find_first_not_of(' ', end);
    } while (start != std::string::npos);
    return wrapped;
}

}  // namespace qv
