// Pictures resampled for the display's scale keep their size in the game's units and their
// transparency: no dark fringe where a shape meets clear pixels, a colour key that still works,
// and no black (the board's colour key) in a picture that had none.
#include <gtest/gtest.h>

#include <functional>

#include "DisplayTest.h"
#include "render/MediaStore.h"
#include "render/Resample.h"

using namespace qv;

namespace {

// A 32-bit picture of `width` by `height` whose pixel (x, y) is paint(x, y) as 0xAARRGGBB.
SurfacePtr Painted(int width, int height, bool alpha, const std::function<Uint32(int, int)>& paint) {
    SurfacePtr picture(SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 32, 0x00FF0000,
                                            0x0000FF00, 0x000000FF, alpha ? 0xFF000000 : 0));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            Uint8* row = static_cast<Uint8*>(picture->pixels) + y * picture->pitch;
            reinterpret_cast<Uint32*>(row)[x] = paint(x, y) | (alpha ? 0 : 0xFF000000u);
        }
    return picture;
}

struct Rgba {
    Uint8 r, g, b, a;
};

Rgba At(SDL_Surface* surface, int x, int y) {
    Rgba c{};
    SDL_GetRGBA(PixelAt(surface, x, y), surface->format, &c.r, &c.g, &c.b, &c.a);
    return c;
}

// Calls check(x, y, colour) on every pixel.
void EveryPixel(SDL_Surface* surface, const std::function<void(int, int, Rgba)>& check) {
    for (int y = 0; y < surface->h; ++y)
        for (int x = 0; x < surface->w; ++x) check(x, y, At(surface, x, y));
}

constexpr Uint32 kWhite = 0xFFFFFF;

}  // namespace

TEST_F(DisplayTest, AResampledPictureKeepsItsColourKeyWithoutFringes) {
    // White on its right half, the key (black, as on the board's surface) on its left.
    SurfacePtr keyed = Painted(20, 20, false, [](int x, int) { return x < 10 ? 0u : kWhite; });
    SDL_SetColorKey(keyed.get(), SDL_SRCCOLORKEY, 0);
    for (const auto& [w, h] : {std::pair{30, 30}, std::pair{13, 9}}) {
        SurfacePtr resampled = ResampledPicture(keyed.get(), w, h);
        ASSERT_NE(resampled, nullptr) << SDL_GetError();
        EXPECT_EQ(resampled->w, w);
        EXPECT_EQ(resampled->h, h);
        ASSERT_TRUE(resampled->flags & SDL_SRCCOLORKEY);
        const Uint32 key = resampled->format->colorkey;
        EXPECT_EQ(PixelAt(resampled.get(), 0, h / 2), key);
        EXPECT_NE(PixelAt(resampled.get(), w - 1, h / 2), key);
        EveryPixel(resampled.get(), [&](int x, int y, Rgba c) {
            if (PixelAt(resampled.get(), x, y) == key) return;
            EXPECT_TRUE(c.r > 240 && c.g > 240 && c.b > 240) << "dark fringe at " << x << ", " << y;
        });
    }
}

TEST_F(DisplayTest, AResampledPictureKeepsItsAlphaWithoutFringes) {
    // An opaque white square in clear black, as a shape's edge lies over clear pixels.
    SurfacePtr shape = Painted(16, 16, true, [](int x, int y) {
        return (x >= 4 && x < 12 && y >= 4 && y < 12) ? 0xFF000000u | kWhite : 0u;
    });
    SurfacePtr resampled = ResampledPicture(shape.get(), 40, 40);
    ASSERT_NE(resampled, nullptr) << SDL_GetError();
    EXPECT_EQ(At(resampled.get(), 0, 0).a, 0);
    EXPECT_EQ(At(resampled.get(), 20, 20).a, 255);
    EveryPixel(resampled.get(), [](int x, int y, Rgba c) {
        if (c.a > 8) {
            EXPECT_GT(c.r, 240) << "dark fringe at " << x << ", " << y;
        }
    });
}

TEST_F(DisplayTest, AnOpaquePictureWithoutBlackGetsNoneWhenResampled) {
    // Stripes of near black beside white ring below zero with a sharp filter.
    SurfacePtr stripes = Painted(8, 8, false, [](int x, int) { return x % 4 < 2 ? 0x010101u : kWhite; });
    SurfacePtr resampled = ResampledPicture(stripes.get(), 21, 21);
    ASSERT_NE(resampled, nullptr) << SDL_GetError();
    EXPECT_FALSE(resampled->flags & SDL_SRCCOLORKEY);
    EveryPixel(resampled.get(), [](int x, int y, Rgba c) {
        EXPECT_FALSE(c.r == 0 && c.g == 0 && c.b == 0) << "black at " << x << ", " << y;
    });
}
