#include "render/Resample.h"

#include <cstdint>
#include <vector>

#include "platform/ColorKey.h"

#define STB_IMAGE_RESIZE_IMPLEMENTATION
#define STB_IMAGE_RESIZE_STATIC
#include <stb_image_resize.h>

namespace qv {

namespace {

constexpr int kChannels = 4;
constexpr int kAlpha = 3;

// Channel masks in the byte order R, G, B, A on both little-endian targets (the desktop's and
// wasm): the layout stb reads and writes, and the one emscripten's canvases take.
constexpr Uint32 kRedMask = 0x000000FF;
constexpr Uint32 kGreenMask = 0x0000FF00;
constexpr Uint32 kBlueMask = 0x00FF0000;
constexpr Uint32 kAlphaMask = 0xFF000000;

// One channel of a pixel value, widened to 8 bits. Worked out from the mask alone: emscripten's
// pixel formats carry masks but no shifts.
Uint8 Channel(Uint32 pixel, Uint32 mask) {
    if (mask == 0) return 0;
    int shift = 0;
    while (((mask >> shift) & 1u) == 0) ++shift;
    const Uint32 top = mask >> shift;
    const Uint32 value = (pixel & mask) >> shift;
    return static_cast<Uint8>(top >= 255 ? value >> (32 - __builtin_clz(top) - 8)
                                         : value * 255 / top);
}

Uint32 RawPixel(const Uint8* at, int bytes) {
    switch (bytes) {
    case 1: return *at;
    case 2: return *reinterpret_cast<const Uint16*>(at);
    case 3:
        return SDL_BYTEORDER == SDL_LIL_ENDIAN
                   ? Uint32{at[0]} | Uint32{at[1]} << 8 | Uint32{at[2]} << 16
                   : Uint32{at[2]} | Uint32{at[1]} << 8 | Uint32{at[0]} << 16;
    default: return *reinterpret_cast<const Uint32*>(at);
    }
}

struct Rgb {
    Uint8 r = 0, g = 0, b = 0;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

Rgb ColorOf(Uint32 pixel, const SDL_PixelFormat* format) {
    if (format->BytesPerPixel == 1 && format->palette && format->palette->ncolors > 0) {
        const SDL_Color& c = format->palette->colors[pixel % format->palette->ncolors];
        return Rgb{c.r, c.g, c.b};
    }
    return Rgb{Channel(pixel, format->Rmask), Channel(pixel, format->Gmask),
               Channel(pixel, format->Bmask)};
}

// What a picture holds, as straight RGBA bytes: a colour-keyed pixel becomes clear.
struct Straight {
    std::vector<Uint8> rgba;
    bool keyed = false;
    Rgb key;
    bool hasAlpha = false;
    bool hasBlack = false;  // an opaque pixel of pure black
};

bool ReadStraight(SDL_Surface* picture, Straight& out) {
    const SDL_PixelFormat* format = picture->format;
    const int bytes = format->BytesPerPixel;
    Uint32 colorKey = 0;
    out.keyed = ColorKeyOf(picture, &colorKey);
    out.key = ColorOf(colorKey, format);
    out.hasAlpha = !out.keyed && format->Amask != 0;
    // Only the colour bits count for the key, as in SDL's blits: a pixel's unused byte may hold
    // anything.
    const Uint32 colorBits =
        bytes == 1 ? 0xFFu : (format->Rmask | format->Gmask | format->Bmask);
    out.rgba.resize(static_cast<std::size_t>(picture->w) * picture->h * kChannels);
    if (SDL_LockSurface(picture) != 0) return false;
    Uint8* to = out.rgba.data();
    for (int y = 0; y < picture->h; ++y) {
        const Uint8* row = static_cast<const Uint8*>(picture->pixels) + y * picture->pitch;
        for (int x = 0; x < picture->w; ++x, to += kChannels) {
            const Uint32 pixel = RawPixel(row + x * bytes, bytes);
            const Rgb color = ColorOf(pixel, format);
            const bool clear =
                out.keyed && (pixel & colorBits) == (colorKey & colorBits);
            to[0] = color.r;
            to[1] = color.g;
            to[2] = color.b;
            to[kAlpha] = clear ? 0 : out.hasAlpha ? Channel(pixel, format->Amask) : 255;
            if (to[kAlpha] == 255 && color == Rgb{}) out.hasBlack = true;
        }
    }
    SDL_UnlockSurface(picture);
    return true;
}

// Back from the resampled bytes: a keyed picture is opaque where it was at least half covered
// and its key colour elsewhere, which no opaque pixel may take; a picture that had no black
// gets none.
void Settle(std::vector<Uint8>& rgba, const Straight& source) {
    for (std::size_t i = 0; i < rgba.size(); i += kChannels) {
        Uint8* p = &rgba[i];
        if (source.keyed) {
            if (p[kAlpha] < 128) {
                p[0] = source.key.r;
                p[1] = source.key.g;
                p[2] = source.key.b;
                continue;
            }
            if (Rgb{p[0], p[1], p[2]} == source.key) p[2] = p[2] == 0 ? 1 : p[2] - 1;
        }
        const bool opaque = source.keyed || !source.hasAlpha || p[kAlpha] == 255;
        if (!source.hasBlack && opaque && Rgb{p[0], p[1], p[2]} == Rgb{}) p[2] = 1;
    }
}

}  // namespace

SurfacePtr ResampledPicture(SDL_Surface* picture, int width, int height) {
    if (!picture || width <= 0 || height <= 0) {
        SDL_SetError("Nothing to resample");
        return nullptr;
    }
    Straight source;
    if (!ReadStraight(picture, source)) return nullptr;
    std::vector<Uint8> rgba(static_cast<std::size_t>(width) * height * kChannels);
    // A keyed picture is resampled with its key as clear alpha, so no key colour bleeds in.
    const bool weighted = source.hasAlpha || source.keyed;
    if (!stbir_resize_uint8_srgb(source.rgba.data(), picture->w, picture->h, 0, rgba.data(), width,
                                 height, 0, kChannels,
                                 weighted ? kAlpha : STBIR_ALPHA_CHANNEL_NONE, 0)) {
        SDL_SetError("Can't resample a %dx%d picture to %dx%d", picture->w, picture->h, width,
                     height);
        return nullptr;
    }
    Settle(rgba, source);
    SurfacePtr resampled(SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 32, kRedMask,
                                              kGreenMask, kBlueMask,
                                              source.hasAlpha ? kAlphaMask : 0));
    if (!resampled || SDL_LockSurface(resampled.get()) != 0) return nullptr;
    for (int y = 0; y < height; ++y) {
        Uint8* row = static_cast<Uint8*>(resampled->pixels) + y * resampled->pitch;
        const Uint8* from = &rgba[static_cast<std::size_t>(y) * width * kChannels];
        for (int x = 0; x < width; ++x, from += kChannels) {
            const Uint32 alpha = source.hasAlpha ? Uint32{from[kAlpha]} << 24 : 0;
            const Uint32 pixel = Uint32{from[0]} | Uint32{from[1]} << 8 | Uint32{from[2]} << 16 | alpha;
            *reinterpret_cast<Uint32*>(row + x * 4) = pixel;
        }
    }
    SDL_UnlockSurface(resampled.get());
    if (source.keyed) {
        const Rgb& key = source.key;
        SDL_SetColorKey(resampled.get(), SDL_SRCCOLORKEY,
                        SDL_MapRGB(resampled->format, key.r, key.g, key.b));
    }
    return resampled;
}

}  // namespace qv
