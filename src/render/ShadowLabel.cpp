#include "render/ShadowLabel.h"

#include "render/Text.h"

namespace qv {

namespace {

// The colours of the backgrounds' own headings.
constexpr SDL_Color kTextColor{250, 243, 224, 0};
constexpr SDL_Color kShadowColor{58, 37, 20, 0};

}  // namespace

void ShadowLabel::Attach(SpriteList& sprites, int shadowSlot) {
    sprites_ = &sprites;
    shadowSlot_ = shadowSlot;
}

void ShadowLabel::Show(TTF_Font* font, const std::string& text, int x, int y, Align align) {
    if (!sprites_) return;
    Sprite& shadowSprite = sprites_->sprites[static_cast<std::size_t>(shadowSlot_)];
    Sprite& textSprite = sprites_->sprites[static_cast<std::size_t>(shadowSlot_) + 1];
    // The slots must not keep pointing at pictures freed below, and the new pictures may take
    // the freed ones' addresses.
    shadowSprite.picture = nullptr;
    textSprite.picture = nullptr;
    sprites_->Refresh(shadowSlot_);
    sprites_->Refresh(shadowSlot_ + 1);
    text_.reset();
    shadow_.reset();
    if (!font || text.empty()) return;
    text_ = RenderBlended(font, text, kTextColor);
    shadow_ = RenderBlended(font, text, kShadowColor);
    if (!text_ || !shadow_) return;
    const int left = align == Align::Right ? x - text_->w : x;
    shadowSprite = {shadow_.get(), left + 1, y + 1};
    textSprite = {text_.get(), left, y};
}

}  // namespace qv
