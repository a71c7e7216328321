#include "render/SpriteList.h"

namespace qv {

void SpriteList::Draw(SDL_Surface* target) const {
    // A count above the table size must not read past its end.
    for (int32_t i = 0; i < count && i < kSpriteSlots; ++i) {
        const Sprite& sprite = sprites[i];
        if (!sprite.picture) continue;
        SDL_Rect where{static_cast<Sint16>(sprite.x), static_cast<Sint16>(sprite.y), 0, 0};
        SDL_BlitSurface(sprite.picture, nullptr, target, &where);
    }
}

void SpriteList::Clear() {
    sprites.fill(Sprite{});
    count = 0;
}

}  // namespace qv
