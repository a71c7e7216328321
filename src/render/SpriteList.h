#pragma once
// The fixed table of pictures with positions that each screen fills and draws every frame.
#include <SDL.h>

#include <array>
#include <cstdint>

namespace qv {

// One slot; the picture is borrowed and null means nothing is drawn.
struct Sprite {
    SDL_Surface* picture = nullptr;
    int32_t x = 0;
    int32_t y = 0;
};

constexpr int kSpriteSlots = 100;

struct SpriteList {
    std::array<Sprite, kSpriteSlots> sprites{};
    int32_t count = 0;  // leading slots that are drawn

    // Blits the first `count` slots in order; null pictures are skipped.
    void Draw(SDL_Surface* target) const;
    // Empties every slot and sets the count to 0.
    void Clear();
};

}  // namespace qv
