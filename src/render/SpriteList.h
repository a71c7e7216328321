#pragma once
// The fixed table of pictures with positions that each screen fills, and draws on the display
// every pass; only what changed since its last draw there is drawn again. Positions are in the
// game's logical units and pictures are made at the display's scale: a sprite's picture is
// drawn with its top-left corner where the display scale puts its position.
#include <SDL.h>

#include <array>
#include <bitset>
#include <cstdint>
#include <vector>

#include "render/DamageRegion.h"
#include "render/DisplayScale.h"
#include "render/FrameUpdate.h"
#include "render/PictureMoves.h"

namespace qv {

// One slot; the picture is borrowed and null means nothing is drawn. x and y are logical.
struct Sprite {
    SDL_Surface* picture = nullptr;
    int32_t x = 0;
    int32_t y = 0;
};

constexpr int kSpriteSlots = 100;

class SpriteList {
public:
    std::array<Sprite, kSpriteSlots> sprites{};
    int32_t count = 0;  // leading slots that are drawn

    SpriteList();
    SpriteList(const SpriteList&) = delete;
    SpriteList& operator=(const SpriteList&) = delete;

    // Blits the first `count` slots in order (null pictures are skipped) where the picture
    // differs from the list's last draw on `target`: slots whose picture or place changed, and
    // what Refresh and RefreshPart named. Everything when another list (or nothing) drew last
    // on it. Each area drawn is noted in `frame` for its Show; nothing changed, nothing is drawn.
    // `scale` places the sprites on the target.
    void Draw(SDL_Surface* target, FrameUpdate& frame, const DisplayScale& scale);
    // Empties every slot and sets the count to 0.
    void Clear();

    // The picture in `slot` was drawn anew in place, or replaced by one that may sit at the
    // freed one's address: an unchanged pointer does not mean an unchanged picture.
    void Refresh(int slot);
    // Only this part of the picture in `slot` (in the picture's own pixels) was drawn anew.
    void RefreshPart(int slot, const SDL_Rect& part);
    // The shared pictures were made anew at another scale: each slot showing one of them shows
    // its successor.
    void Repoint(const PictureMoves& moves);

private:
    // A slot as it was last drawn; the picture is only compared, never read: it may be freed.
    struct Shown {
        const SDL_Surface* picture = nullptr;
        SDL_Rect bounds{};
        bool operator==(const Shown& other) const;
    };

    uint64_t id;
    std::array<Shown, kSpriteSlots> shown{};
    int32_t shownCount = 0;
    std::bitset<kSpriteSlots> refreshed;
    // RefreshPart's areas, each in its slot's picture, placed on the display when drawn.
    struct Part {
        int slot;
        SDL_Rect area;
    };
    std::vector<Part> parts;
    DamageRegion damage;

    int32_t DrawnCount() const;
    const Sprite* FirstDrawn() const;
    static Shown ShownOf(const Sprite& sprite, const DisplayScale& scale);
    // True when some of the display must be drawn; the areas are then in damage.
    bool FindChanges(const SDL_Surface* target, const DisplayScale& scale);
    void DrawWhole(SDL_Surface* target, FrameUpdate& frame, const DisplayScale& scale);
    void DrawArea(SDL_Surface* target, const SDL_Rect& area, FrameUpdate& frame,
                  const DisplayScale& scale);
    void Remember(const DisplayScale& scale);
};

}  // namespace qv
