#include "DisplayTest.h"

#include <SDL_ttf.h>


using namespace qv;

namespace {

// SDL starts once for the whole program and stops at its end, so leak checkers see it shut.
class SdlEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        ASSERT_NE(SDL_SetVideoMode(800, 600, 32, SDL_SWSURFACE), nullptr) << SDL_GetError();
        ASSERT_EQ(TTF_Init(), 0) << TTF_GetError();
    }
    void TearDown() override {
        TTF_Quit();
        SDL_Quit();
    }
};

[[maybe_unused]] ::testing::Environment* const sdlEnvironment =
    ::testing::AddGlobalTestEnvironment(new SdlEnvironment);

}  // namespace

void DisplayTest::SetUp() {
    SDL_Event stale;
    while (SDL_PollEvent(&stale)) {
    }
    SetInputSource(&input);
}

void DisplayTest::TearDown() {
    SetInputSource(nullptr);
    screens.Clear();
}

SDL_Surface* DisplayTest::MakeSurface(int width, int height, Uint8 r, Uint8 g, Uint8 b) {
    const SDL_PixelFormat* format = SDL_GetVideoSurface()->format;
    SDL_Surface* surface = SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 32, format->Rmask,
                                                format->Gmask, format->Bmask, format->Amask);
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, r, g, b));
    return surface;
}

void DisplayTest::WritePicture(const std::string& path, int width, int height, Uint8 r, Uint8 g,
                               Uint8 b) {
    dir.Write(path, "");  // makes the folders
    SDL_Surface* surface = MakeSurface(width, height, r, g, b);
    ASSERT_EQ(SDL_SaveBMP(surface, path.c_str()), 0) << SDL_GetError();
    SDL_FreeSurface(surface);
}

Uint32 PixelAt(SDL_Surface* surface, int x, int y) {
    SDL_LockSurface(surface);
    const Uint8* row = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch;
    const Uint32 value = reinterpret_cast<const Uint32*>(row)[x];
    SDL_UnlockSurface(surface);
    return value;
}

Uint32 Rgb(SDL_Surface* surface, Uint8 r, Uint8 g, Uint8 b) {
    return SDL_MapRGB(surface->format, r, g, b);
}

void Push(SDL_Event event) { ASSERT_EQ(SDL_PushEvent(&event), 0) << SDL_GetError(); }

