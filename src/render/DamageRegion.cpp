#include "render/DamageRegion.h"

#include <algorithm>

namespace qv {

namespace {

// Edges in plain ints: SDL_Rect's 16-bit fields would overflow in the sums.
struct Edges {
    int left, top, right, bottom;

    bool Overlaps(const Edges& other) const {
        return left < other.right && other.left < right && top < other.bottom &&
               other.top < bottom;
    }
    void Cover(const Edges& other) {
        left = std::min(left, other.left);
        top = std::min(top, other.top);
        right = std::max(right, other.right);
        bottom = std::max(bottom, other.bottom);
    }
};

Edges EdgesOf(const SDL_Rect& rect) { return {rect.x, rect.y, rect.x + rect.w, rect.y + rect.h}; }

SDL_Rect RectOf(const Edges& edges) {
    return SDL_Rect{static_cast<Sint16>(edges.left), static_cast<Sint16>(edges.top),
                    static_cast<Uint16>(edges.right - edges.left),
                    static_cast<Uint16>(edges.bottom - edges.top)};
}

}  // namespace

void DamageRegion::Reset(int width, int height) {
    targetWidth = width;
    targetHeight = height;
    areas.clear();
}

void DamageRegion::Add(int x, int y, int width, int height) {
    Edges added{std::max(x, 0), std::max(y, 0), std::min(x + width, targetWidth),
                std::min(y + height, targetHeight)};
    if (added.left >= added.right || added.top >= added.bottom) return;
    // A merge can reach areas the added one did not touch, so look again after each.
    for (bool merged = true; merged;) {
        merged = false;
        for (auto it = areas.begin(); it != areas.end(); ++it) {
            if (!added.Overlaps(EdgesOf(*it))) continue;
            added.Cover(EdgesOf(*it));
            areas.erase(it);
            merged = true;
            break;
        }
    }
    areas.push_back(RectOf(added));
}

int64_t DamageRegion::PixelCount() const {
    int64_t pixels = 0;
    for (const SDL_Rect& area : areas) pixels += int64_t{area.w} * area.h;
    return pixels;
}

}  // namespace qv
