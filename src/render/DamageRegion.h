#pragma once
// The parts of a picture that must be drawn again: rectangles that never overlap, so no pixel
// is drawn twice, all within the picture.
#include <SDL.h>

#include <cstdint>
#include <vector>

namespace qv {

class DamageRegion {
public:
    // Empties the region and sets the picture size it clips to.
    void Reset(int width, int height);
    // Adds `area` (clipped; an empty one adds nothing). An area that overlaps others is merged
    // with them into the rectangle around them all.
    void Add(int x, int y, int width, int height);
    void Add(const SDL_Rect& area) { Add(area.x, area.y, area.w, area.h); }

    const std::vector<SDL_Rect>& Areas() const { return areas; }
    bool Empty() const { return areas.empty(); }
    // Pixels covered.
    int64_t PixelCount() const;

private:
    int targetWidth = 0;
    int targetHeight = 0;
    std::vector<SDL_Rect> areas;
};

}  // namespace qv
