#include "render/DisplayScale.h"

#include <algorithm>
#include <cmath>

namespace qv {

namespace {

// A length times S that only rounding error puts above a whole number still is that number.
constexpr double kRoundingSlack = 1e-6;

}  // namespace

DisplayScale::DisplayScale(PixelSize logicalSize) : DisplayScale(logicalSize, logicalSize) {}

DisplayScale::DisplayScale(PixelSize logicalSize, PixelSize displaySize)
    : logical(logicalSize), display(displaySize) {
    if (logical.width > 0 && logical.height > 0 && display.width > 0 && display.height > 0) {
        factor = std::min(static_cast<double>(display.width) / logical.width,
                          static_cast<double>(display.height) / logical.height);
    }
    originX = (display.width - Pixels(logical.width)) / 2;
    originY = (display.height - Pixels(logical.height)) / 2;
}

SDL_Rect DisplayScale::PictureArea() const {
    return SDL_Rect{static_cast<Sint16>(originX), static_cast<Sint16>(originY),
                    static_cast<Uint16>(Pixels(logical.width)),
                    static_cast<Uint16>(Pixels(logical.height))};
}

int DisplayScale::Pixels(int length) const {
    return static_cast<int>(std::lround(length * factor));
}

SDL_Rect DisplayScale::Area(int x, int y, int width, int height) const {
    return SDL_Rect{static_cast<Sint16>(Pixels(x)), static_cast<Sint16>(Pixels(y)),
                    static_cast<Uint16>(Pixels(x + width) - Pixels(x)),
                    static_cast<Uint16>(Pixels(y + height) - Pixels(y))};
}

int DisplayScale::Size(int length) const {
    return std::max(length > 0 ? 1 : 0,
                    static_cast<int>(std::ceil(length * factor - kRoundingSlack)));
}

int DisplayScale::Logical(int pixels) const {
    return static_cast<int>(std::lround(pixels / factor));
}

int DisplayScale::Points(int points) const { return std::max(1, Pixels(points)); }

namespace {

// The last logical position whose first pixel (Pixels, rounding halves up) is at or before the
// picture's pixel q: the largest x with x * S + 0.5 < q + 1.
int UnitAt(int q, double factor) { return static_cast<int>(std::ceil((q + 0.5) / factor)) - 1; }

}  // namespace

void DisplayScale::ToLogical(int px, int py, int* x, int* y) const {
    if (x) *x = UnitAt(px - originX, factor);
    if (y) *y = UnitAt(py - originY, factor);
}

void DisplayScale::ToDisplay(int x, int y, int* px, int* py) const {
    if (px) *px = X(x) + (Pixels(x + 1) - Pixels(x)) / 2;
    if (py) *py = Y(y) + (Pixels(y + 1) - Pixels(y)) / 2;
}

}  // namespace qv
