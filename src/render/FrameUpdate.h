#pragma once
// What the window must be sent at the end of a pass; one record for the one display, which the
// shell makes and hands to everything that draws there. Sprite lists draw on the display only
// what changed since they last drew there and note those areas here; Show then sends the
// window just them, or nothing at all after a pass that changed nothing.
#include <SDL.h>

#include <cstdint>
#include <vector>

namespace qv {

class FrameUpdate {
public:
    // Figures for tests and benchmarks.
    struct Counts {
        uint64_t blits = 0;          // pictures (or parts of them) drawn on the display
        uint64_t wholeUpdates = 0;   // Show sent the whole display
        uint64_t partUpdates = 0;    // Show sent some rectangles
    };

    // For the sprite list `drawer` about to draw on `target`: true when it must draw all it
    // shows, since the display holds a picture it did not draw (another list's, or none).
    // From now on the display holds its picture.
    bool TakeOver(uint64_t drawer, const SDL_Surface* target);
    // The display's picture is lost (a new video mode) or foreign: the next list draws all.
    void Invalidate();

    // An area of the display drawn in this pass; or all of it.
    void Add(const SDL_Rect& area);
    void AddWhole();
    void CountBlit() { ++counts.blits; }

    // Sends the window what was drawn since the last Show: the whole display, the areas, or
    // nothing.
    void Show(SDL_Surface* display);

    const Counts& Totals() const { return counts; }

private:
    uint64_t owner = 0;  // the list whose picture the display holds; 0 for none
    const SDL_Surface* ownerTarget = nullptr;
    bool whole = false;
    std::vector<SDL_Rect> areas;
    Counts counts;
};

// A number no other sprite list has had, for TakeOver.
uint64_t NewDrawerId();

}  // namespace qv
