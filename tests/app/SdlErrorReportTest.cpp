// The SDL error boxes: SDL's own text appended, and the fatal one stopping the main loop.
#include <gtest/gtest.h>

#include <SDL.h>

#include "support/ErrorRecorder.h"
#include "app/Application.h"
#include "platform/ErrorReport.h"
#include "platform/sdl/SdlErrorReport.h"

TEST(SdlErrorReport, AppendsSdlErrorTextAndAFullStop) {
    ErrorRecorder rec;
    SetFatalHandler(Quit);
    App().running = true;

    SDL_SetError("No available video device");
    ReportSdlError("Can't initialize TrueType font library.");
    EXPECT_TRUE(App().running);
    SDL_SetError("Couldn't set mode");
    ReportFatalSdlError("Can't set the video mode.");
    EXPECT_FALSE(App().running);

    const std::vector<ErrorRecorder::Box> expected = {
        {"Error (SDL)", "Can't initialize TrueType font library. No available video device."},
        {"Fatal Error (SDL)", "Can't set the video mode. Couldn't set mode."},
    };
    EXPECT_EQ(rec.boxes, expected);

    App().running = true;
    ReportFatalError("Cannot load audio settings.");
    EXPECT_FALSE(App().running);
    App().running = true;
    SetFatalHandler(nullptr);
}
