#include "platform/sdl/SdlErrorReport.h"

#include <SDL.h>

#include "platform/ErrorReport.h"

namespace {
std::string WithSdlError(const std::string& message) {
    return message + " " + SDL_GetError() + ".";
}
}  // namespace

void ReportSdlError(const std::string& message) {
    ShowErrorBox("Error (SDL)", WithSdlError(message));
}

void ReportFatalSdlError(const std::string& message) {
    ShowErrorBox("Fatal Error (SDL)", WithSdlError(message));
    RunFatalHandler();
}
