#include "render/ShadowLabel.h"

#include "render/Text.h"

namespace qv {

namespace {

// The colours of the backgrounds' own headings.
constexpr SDL_Color kTextColor{250, 243, 224, 0};
constexpr SDL_Color kShadowColor{58, 37, 20, 0};

}  // namespace

void ShadowLabel::Attach(SpriteList& sprites, int shadowSlot, const DisplayScale& displayScale) {
    list = &sprites;
    scale = &displayScale;
    firstSlot = shadowSlot;
}

void ShadowLabel::Rescale(TTF_Font* font) { Show(font, shownText, shownX, shownY, shownAlign); }

void ShadowLabel::Show(TTF_Font* font, const std::string& text, int x, int y, Align align) {
    if (!list) return;
    shownText = text;
    shownX = x;
    shownY = y;
    shownAlign = align;
    Sprite& shadowSprite = list->sprites[static_cast<std::size_t>(firstSlot)];
    Sprite& textSprite = list->sprites[static_cast<std::size_t>(firstSlot) + 1];
    // The slots must not keep pointing at pictures freed below, and the new pictures may take
    // the freed ones' addresses.
    shadowSprite.picture = nullptr;
    textSprite.picture = nullptr;
    list->Refresh(firstSlot);
    list->Refresh(firstSlot + 1);
    textPicture.reset();
    shadowPicture.reset();
    if (!font || text.empty()) return;
    textPicture = RenderBlended(font, text, kTextColor);
    shadowPicture = RenderBlended(font, text, kShadowColor);
    if (!textPicture || !shadowPicture) return;
    const int left = align == Align::Right ? x - scale->Logical(textPicture->w) : x;
    shadowSprite = {shadowPicture.get(), left + 1, y + 1};
    textSprite = {textPicture.get(), left, y};
}

}  // namespace qv
