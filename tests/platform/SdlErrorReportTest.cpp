// The SDL error boxes: SDL's own text appended, and the fatal one running the fatal handler
// (which stops the main loop in the game).
#include <gtest/gtest.h>

#include <SDL.h>

#include "platform/SdlErrorReport.h"
#include "support/ErrorRecorder.h"
#include "util/ErrorReport.h"

using namespace qv;

TEST(SdlErrorReport, AppendsSdlErrorTextAndAFullStop) {
    ErrorRecorder rec;
    bool running = true;
    SetFatalHandler([&running] { running = false; });

    SDL_SetError("No available video device");
    ReportSdlError("Can't initialize TrueType font library.");
    EXPECT_TRUE(running);
    SDL_SetError("Couldn't set mode");
    ReportFatalSdlError("Can't set the video mode.");
    EXPECT_FALSE(running);

    const std::vector<ErrorRecorder::Box> expected = {
        {"Error (SDL)", "Can't initialize TrueType font library. No available video device."},
        {"Fatal Error (SDL)", "Can't set the video mode. Couldn't set mode."},
    };
    EXPECT_EQ(rec.boxes, expected);

    running = true;
    ReportFatalError("Cannot load audio settings.");
    EXPECT_FALSE(running);
    SetFatalHandler(nullptr);
}
