#include "render/Resample.h"

#include <cstdint>
#include <vector>

#include "platform/ColorKey.h"

#define STB_IMAGE_RESIZE_IMPLEMENTATION
#define STB_IMAGE_RESIZE_STATIC
#include <stb_image_resize.h>

namespace qv {

namespace {

constexpr int kAlpha = 3;  // the alpha byte of an RGBA pixel

// Channel masks in the byte order R, G, B, A on both little-endian targets (the desktop's and
// wasm): the layout stb reads and writes, and the one emscripten's canvases take.
constexpr Uint32 kRedMask = 0x000000FF;
constexpr Uint32 kGreenMask = 0x0000FF00;
constexpr Uint32 kBlueMask = 0x00FF0000;
constexpr Uint32 kAlphaMask = 0xFF000000;

// One channel of a format's pixels, widened to 8 bits. Worked out from the mask alone:
// emscripten's pixel formats carry masks but no shifts.
class Channel {
public:
    explicit Channel(Uint32 channelMask) : mask(channelMask) {
        if (mask == 0) return;
        while (((mask >> shift) & 1u) == 0) ++shift;
        top = mask >> shift;
        while (bits < 32 && (top >> bits) != 0) ++bits;
    }
    Uint8 Of(Uint32 pixel) const {
        if (mask == 0) return 0;
        const Uint32 value = (pixel & mask) >> shift;
        return static_cast<Uint8>(bits >= 8 ? value >> (bits - 8) : value * 255 / top);
    }

private:
    Uint32 mask;
    int shift = 0;
    Uint32 top = 0;
    int bits = 0;
};

struct Rgb {
    Uint8 r = 0, g = 0, b = 0;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

// The colours of a format's pixel values: through its palette, or its channel masks.
class PixelColors {
public:
    explicit PixelColors(const SDL_PixelFormat* format)
        : palette(format->BytesPerPixel == 1 && format->palette && format->palette->ncolors > 0
                      ? format->palette
                      : nullptr),
          red(format->Rmask),
          green(format->Gmask),
          blue(format->Bmask),
          alpha(format->Amask) {}
    Rgb Color(Uint32 pixel) const {
        if (palette) {
            const SDL_Color& c = palette->colors[pixel % static_cast<Uint32>(palette->ncolors)];
            return Rgb{c.r, c.g, c.b};
        }
        return Rgb{red.Of(pixel), green.Of(pixel), blue.Of(pixel)};
    }
    Uint8 Alpha(Uint32 pixel) const { return alpha.Of(pixel); }

private:
    const SDL_Palette* palette;
    Channel red, green, blue, alpha;
};

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

// The byte of a 32-bit pixel in memory that holds the channel of `mask`, when it is a whole
// byte (as in every picture SDL_image reads in 32 bits); -1 otherwise.
int ByteOf(Uint32 mask) {
    for (int i = 0; i < 4; ++i) {
        if (mask == 0xFFu << (8 * i)) return SDL_BYTEORDER == SDL_LIL_ENDIAN ? i : 3 - i;
    }
    return -1;
}

// What a picture holds, as straight bytes: RGBA where it has transparency (a colour-keyed
// pixel becomes clear), RGB where it has none.
struct Straight {
    std::vector<Uint8> bytes;
    bool keyed = false;
    Rgb key;
    bool hasAlpha = false;
    bool hasBlack = false;  // an opaque pixel of pure black
    int Channels() const { return keyed || hasAlpha ? 4 : 3; }
};

bool ReadStraight(SDL_Surface* picture, Straight& out) {
    const SDL_PixelFormat* format = picture->format;
    const PixelColors colors(format);
    const int bytes = format->BytesPerPixel;
    Uint32 colorKey = 0;
    out.keyed = ColorKeyOf(picture, &colorKey);
    out.key = colors.Color(colorKey);
    out.hasAlpha = !out.keyed && format->Amask != 0;
    // Only the colour bits count for the key, as in SDL's blits: a pixel's unused byte may hold
    // anything.
    const Uint32 colorBits = bytes == 1 ? 0xFFu : (format->Rmask | format->Gmask | format->Bmask);
    const int channels = out.Channels();
    out.bytes.resize(static_cast<std::size_t>(picture->w) * picture->h * channels);
    if (SDL_LockSurface(picture) != 0) return false;
    Uint8* to = out.bytes.data();
    // The common case byte by byte: a large master holds millions of pixels.
    const int r = ByteOf(format->Rmask), g = ByteOf(format->Gmask), b = ByteOf(format->Bmask);
    const int a = out.hasAlpha ? ByteOf(format->Amask) : 0;
    if (bytes == 4 && !out.keyed && r >= 0 && g >= 0 && b >= 0 && a >= 0) {
        for (int y = 0; y < picture->h; ++y) {
            const Uint8* from = static_cast<const Uint8*>(picture->pixels) + y * picture->pitch;
            for (int x = 0; x < picture->w; ++x, from += 4, to += channels) {
                to[0] = from[r];
                to[1] = from[g];
                to[2] = from[b];
                const Uint8 opacity = out.hasAlpha ? from[a] : 255;
                if (channels == 4) to[kAlpha] = opacity;
                if (opacity == 255 && (to[0] | to[1] | to[2]) == 0) out.hasBlack = true;
            }
        }
        SDL_UnlockSurface(picture);
        return true;
    }
    for (int y = 0; y < picture->h; ++y) {
        const Uint8* row = static_cast<const Uint8*>(picture->pixels) + y * picture->pitch;
        for (int x = 0; x < picture->w; ++x, to += channels) {
            const Uint32 pixel = RawPixel(row + x * bytes, bytes);
            const Rgb color = colors.Color(pixel);
            to[0] = color.r;
            to[1] = color.g;
            to[2] = color.b;
            Uint8 opacity = 255;
            if (out.keyed && (pixel & colorBits) == (colorKey & colorBits)) opacity = 0;
            if (out.hasAlpha) opacity = colors.Alpha(pixel);
            if (channels == 4) to[kAlpha] = opacity;
            if (opacity == 255 && color == Rgb{}) out.hasBlack = true;
        }
    }
    SDL_UnlockSurface(picture);
    return true;
}

// Back from the resampled bytes: a keyed picture is opaque where it was at least half covered
// and its key colour elsewhere, which no opaque pixel may take; a picture that had no black
// gets none.
void Settle(std::vector<Uint8>& resampled, const Straight& source) {
    const std::size_t channels = static_cast<std::size_t>(source.Channels());
    for (std::size_t i = 0; i < resampled.size(); i += channels) {
        Uint8* p = &resampled[i];
        if (source.keyed) {
            if (p[kAlpha] < 128) {
                p[0] = source.key.r;
                p[1] = source.key.g;
                p[2] = source.key.b;
                continue;
            }
            if (Rgb{p[0], p[1], p[2]} == source.key) p[2] = p[2] == 0 ? 1 : p[2] - 1;
        }
        const bool opaque = !source.hasAlpha || p[kAlpha] == 255;
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
    const int channels = source.Channels();
    std::vector<Uint8> resampled(static_cast<std::size_t>(width) * height * channels);
    // A keyed picture is resampled with its key as clear alpha, so no key colour bleeds in.
    if (!stbir_resize_uint8_srgb(source.bytes.data(), picture->w, picture->h, 0, resampled.data(),
                                 width, height, 0, channels,
                                 channels == 4 ? kAlpha : STBIR_ALPHA_CHANNEL_NONE, 0)) {
        SDL_SetError("Can't resample a %dx%d picture to %dx%d", picture->w, picture->h, width,
                     height);
        return nullptr;
    }
    Settle(resampled, source);
    SurfacePtr surface(SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 32, kRedMask,
                                            kGreenMask, kBlueMask,
                                            source.hasAlpha ? kAlphaMask : 0));
    if (!surface || SDL_LockSurface(surface.get()) != 0) return nullptr;
    const Uint8* from = resampled.data();
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(surface->pixels) +
                                              y * surface->pitch);
        for (int x = 0; x < width; ++x, from += channels) {
            const Uint32 alpha = source.hasAlpha ? Uint32{from[kAlpha]} << 24 : 0;
            row[x] = Uint32{from[0]} | Uint32{from[1]} << 8 | Uint32{from[2]} << 16 | alpha;
        }
    }
    SDL_UnlockSurface(surface.get());
    if (source.keyed) {
        const Rgb& key = source.key;
        SDL_SetColorKey(surface.get(), SDL_SRCCOLORKEY,
                        SDL_MapRGB(surface->format, key.r, key.g, key.b));
    }
    return surface;
}

}  // namespace qv
