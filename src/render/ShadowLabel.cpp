#include "render/ShadowLabel.h"

#include "render/Text.h"

namespace qv {

namespace {

// The colours of the backgrounds' own headings.
constexpr SDL_Color kTextColor{250, 243, 224, 0};
constexpr SDL_Color kShadowColor{58, 37, 20, 0};

}  // namespace

void ShadowLabel::Attach(SpriteList& sprites, int shadowSlot) {
    shadowSprite_ = &sprites.sprites[static_cast<std::size_t>(shadowSlot)];
    textSprite_ = &sprites.sprites[static_cast<std::size_t>(shadowSlot) + 1];
}

void ShadowLabel::Show(TTF_Font* font, const std::string& text, int x, int y, Align align) {
    // The slots must not keep pointing at pictures freed below.
    if (shadowSprite_) shadowSprite_->picture = nullptr;
    if (textSprite_) textSprite_->picture = nullptr;
    text_.reset();
    shadow_.reset();
    if (!font || text.empty() || !shadowSprite_ || !textSprite_) return;
    text_ = RenderBlended(font, text, kTextColor);
    shadow_ = RenderBlended(font, text, kShadowColor);
    if (!text_ || !shadow_) return;
    const int left = align == Align::Right ? x - text_->w : x;
    *shadowSprite_ = {shadow_.get(), left + 1, y + 1};
    *textSprite_ = {text_.get(), left, y};
}

}  // namespace qv
