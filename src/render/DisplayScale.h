#pragma once
// Where the game's picture lies on the display. Screens lay everything out in the game's own
// units, the logical size of "./config/video.config" (800 by 600): positions in code and data
// never change. The display shows that picture at a scale S (any real number, below 1 too), as
// large as it fits with its proportions kept, centred between even black bars on the long side.
// Pictures and text are made at S (MediaStore.h, Text.h); sprites are placed, and the pointer
// read, through this mapping.
#include <SDL.h>

#include "platform/VideoMode.h"

namespace qv {

class DisplayScale {
public:
    // The logical size shown 1:1 (a display of the same size).
    explicit DisplayScale(PixelSize logical = PixelSize{800, 600});
    // The logical size fitted into a display of `display` pixels.
    DisplayScale(PixelSize logical, PixelSize display);

    double Factor() const { return factor; }
    PixelSize Logical() const { return logical; }
    PixelSize Display() const { return display; }
    // The display pixels the game's picture covers: all but the bars.
    SDL_Rect PictureArea() const;

    // The display pixel where a logical position begins (its left or top edge).
    int X(int x) const { return originX + Pixels(x); }
    int Y(int y) const { return originY + Pixels(y); }
    // A logical position or length inside a picture, in its pixels.
    int Pixels(int logical) const;
    // The pixels a logical rectangle covers in a picture whose top-left corner is logical
    // (0, 0): each of its edges at Pixels, so rectangles side by side meet exactly.
    SDL_Rect Area(int x, int y, int width, int height) const;
    // The pixels a picture of a logical length is made with: rounded up, so that it covers
    // every display pixel of its place, whichever way that place's edges round.
    int Size(int logical) const;
    // A length in display pixels (the width of a text rendered at S) in logical units.
    int Logical(int pixels) const;
    // A font's size in points at S (at least 1).
    int Points(int points) const;

    // The logical position the display pixel (px, py) shows: the unit whose pixels (as X and Y
    // place them) hold it. A pixel in the bars lies outside the logical picture.
    void ToLogical(int px, int py, int* x, int* y) const;
    // The display pixel in the middle of a logical unit: where a warped pointer goes.
    void ToDisplay(int x, int y, int* px, int* py) const;

private:
    PixelSize logical;
    PixelSize display;
    double factor = 1.0;
    int originX = 0;
    int originY = 0;
};

}  // namespace qv
