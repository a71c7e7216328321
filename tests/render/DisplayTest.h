#pragma once
// A fixture with SDL's dummy video driver at 800 by 600, the font library, a temporary working
// folder, a scripted pointer, recorded error boxes and a screen context of its own (an empty
// picture table); plus small picture and event helpers.
#include <SDL.h>
#include <gtest/gtest.h>

#include <string>

#include "render/Display.h"
#include "render/EventQueue.h"
#include "render/FrameUpdate.h"
#include "render/MediaStore.h"
#include "render/ScreenContext.h"
#include "render/ScreenManager.h"
#include "support/ErrorRecorder.h"
#include "support/FakeInput.h"
#include "support/SdlEvents.h"
#include "support/TempDir.h"

using namespace qv;

class DisplayTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes a width by height BMP of one colour; IMG_Load reads it like the game's PNGs.
    void WritePicture(const std::string& path, int width, int height, Uint8 r, Uint8 g, Uint8 b);
    // A new surface of one colour in the display's format.
    static SDL_Surface* MakeSurface(int width, int height, Uint8 r, Uint8 g, Uint8 b);

    TempDir dir;
    ErrorRecorder errors;
    FakeInput input;
    FrameUpdate frame;
    PictureTable pictures;
    ScreenManager screens{frame};
    Display gameDisplay{pictures, screens, frame, {}};
    EventQueue events{screens, gameDisplay};
    ScreenContext context{screens, events, frame, pictures, gameDisplay.Scale()};
};

// The pixel value at (x, y) of a 32-bit surface.
Uint32 PixelAt(SDL_Surface* surface, int x, int y);
Uint32 Rgb(SDL_Surface* surface, Uint8 r, Uint8 g, Uint8 b);

// Queues an event built with the helpers of support/SdlEvents.h.
void Push(SDL_Event event);
