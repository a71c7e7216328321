#include "render/SpriteList.h"

#include <algorithm>

#include "render/FrameUpdate.h"

namespace qv {

namespace {

// Past this many parts a whole refresh of the slot is as good.
constexpr std::size_t kMostParts = 64;

SDL_Rect Intersection(const SDL_Rect& a, const SDL_Rect& b) {
    const int left = std::max<int>(a.x, b.x);
    const int top = std::max<int>(a.y, b.y);
    const int right = std::min(a.x + a.w, b.x + b.w);
    const int bottom = std::min(a.y + a.h, b.y + b.h);
    if (left >= right || top >= bottom) return SDL_Rect{0, 0, 0, 0};
    return SDL_Rect{static_cast<Sint16>(left), static_cast<Sint16>(top),
                    static_cast<Uint16>(right - left), static_cast<Uint16>(bottom - top)};
}

// Whether the first sprite drawn (none: null) hides everything under it in `area`: then
// nothing needs clearing.
bool FirstCovers(const Sprite* first, const SDL_Rect& area, const DisplayScale& scale) {
    const SDL_Surface* picture = first ? first->picture : nullptr;
    if (!picture || (picture->flags & (SDL_SRCALPHA | SDL_SRCCOLORKEY)) != 0) return false;
    const int x = scale.X(first->x);
    const int y = scale.Y(first->y);
    return x <= area.x && y <= area.y && x + picture->w >= area.x + area.w &&
           y + picture->h >= area.y + area.h;
}

// Black as the target shows it: a browser's canvas would show a pixel value of 0 as clear, and
// the page behind it in the bars.
Uint32 OpaqueBlack(const SDL_Surface* target) { return SDL_MapRGB(target->format, 0, 0, 0); }

}  // namespace

bool SpriteList::Shown::operator==(const Shown& other) const {
    return picture == other.picture && bounds.x == other.bounds.x &&
           bounds.y == other.bounds.y && bounds.w == other.bounds.w &&
           bounds.h == other.bounds.h;
}

SpriteList::SpriteList() : id(NewDrawerId()) {}

int32_t SpriteList::DrawnCount() const { return std::clamp<int32_t>(count, 0, kSpriteSlots); }

const Sprite* SpriteList::FirstDrawn() const { return DrawnCount() > 0 ? &sprites[0] : nullptr; }

SpriteList::Shown SpriteList::ShownOf(const Sprite& sprite, const DisplayScale& scale) {
    if (!sprite.picture) return Shown{};
    return Shown{sprite.picture,
                 SDL_Rect{static_cast<Sint16>(scale.X(sprite.x)),
                          static_cast<Sint16>(scale.Y(sprite.y)),
                          static_cast<Uint16>(sprite.picture->w),
                          static_cast<Uint16>(sprite.picture->h)}};
}

void SpriteList::Draw(SDL_Surface* target, FrameUpdate& frame, const DisplayScale& scale) {
    if (!target) return;
    bool whole = frame.TakeOver(id, target);
    if (!whole) {
        if (!FindChanges(target, scale)) {
            Remember(scale);
            return;
        }
        // A display that flips between two pages holds a picture older than the last one.
        // Past half of it, one pass over every picture costs less than many small ones.
        whole = (target->flags & SDL_DOUBLEBUF) != 0 ||
                damage.PixelCount() * 2 > int64_t{target->w} * target->h;
    }
    if (whole) {
        DrawWhole(target, frame, scale);
        frame.AddWhole();
    } else {
        for (const SDL_Rect& area : damage.Areas()) {
            DrawArea(target, area, frame, scale);
            frame.Add(area);
        }
    }
    Remember(scale);
}

bool SpriteList::FindChanges(const SDL_Surface* target, const DisplayScale& scale) {
    damage.Reset(target->w, target->h);
    const int32_t slots = std::max(DrawnCount(), shownCount);
    for (int32_t i = 0; i < slots; ++i) {
        const Shown now = i < DrawnCount() ? ShownOf(sprites[i], scale) : Shown{};
        if (now == shown[i] && !refreshed[i]) continue;
        damage.Add(shown[i].bounds);
        damage.Add(now.bounds);
    }
    for (const Part& part : parts) {
        const Sprite& sprite = sprites[static_cast<std::size_t>(part.slot)];
        damage.Add(scale.X(sprite.x) + part.area.x, scale.Y(sprite.y) + part.area.y, part.area.w,
                   part.area.h);
    }
    return !damage.Empty();
}

void SpriteList::DrawWhole(SDL_Surface* target, FrameUpdate& frame, const DisplayScale& scale) {
    // Black under everything, as under a missing background and in the bars beside the
    // picture; nothing older shows through.
    if (!FirstCovers(FirstDrawn(),
                     SDL_Rect{0, 0, static_cast<Uint16>(target->w), static_cast<Uint16>(target->h)},
                     scale))
        SDL_FillRect(target, nullptr, OpaqueBlack(target));
    for (int32_t i = 0; i < DrawnCount(); ++i) {
        const Sprite& sprite = sprites[i];
        if (!sprite.picture) continue;
        SDL_Rect where{static_cast<Sint16>(scale.X(sprite.x)), static_cast<Sint16>(scale.Y(sprite.y)),
                       0, 0};
        SDL_BlitSurface(sprite.picture, nullptr, target, &where);
        frame.CountBlit();
    }
}

void SpriteList::DrawArea(SDL_Surface* target, const SDL_Rect& area, FrameUpdate& frame,
                          const DisplayScale& scale) {
    SDL_Rect cleared = area;  // SDL may change the rectangle it is given
    if (!FirstCovers(FirstDrawn(), area, scale)) SDL_FillRect(target, &cleared, OpaqueBlack(target));
    for (int32_t i = 0; i < DrawnCount(); ++i) {
        const Shown sprite = ShownOf(sprites[i], scale);
        if (!sprite.picture) continue;
        const SDL_Rect overlap = Intersection(area, sprite.bounds);
        if (overlap.w == 0) continue;
        SDL_Rect from{static_cast<Sint16>(overlap.x - sprite.bounds.x),
                      static_cast<Sint16>(overlap.y - sprite.bounds.y), overlap.w, overlap.h};
        SDL_Rect where{overlap.x, overlap.y, 0, 0};
        SDL_BlitSurface(sprites[i].picture, &from, target, &where);
        frame.CountBlit();
    }
}

void SpriteList::Remember(const DisplayScale& scale) {
    shownCount = DrawnCount();
    for (int32_t i = 0; i < kSpriteSlots; ++i)
        shown[i] = i < shownCount ? ShownOf(sprites[i], scale) : Shown{};
    refreshed.reset();
    parts.clear();
}

void SpriteList::Clear() {
    sprites.fill(Sprite{});
    count = 0;
}

void SpriteList::Refresh(int slot) {
    if (slot >= 0 && slot < kSpriteSlots) refreshed.set(static_cast<std::size_t>(slot));
}

void SpriteList::RefreshPart(int slot, const SDL_Rect& part) {
    if (slot < 0 || slot >= kSpriteSlots) return;
    if (parts.size() == kMostParts) {
        Refresh(slot);
        return;
    }
    parts.push_back(Part{slot, part});
}

void SpriteList::Repoint(const PictureMoves& moves) {
    for (Sprite& sprite : sprites) {
        const auto moved = moves.find(sprite.picture);
        if (moved != moves.end()) sprite.picture = moved->second;
    }
}

}  // namespace qv
