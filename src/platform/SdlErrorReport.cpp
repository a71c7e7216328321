#include "platform/SdlErrorReport.h"

#include <SDL.h>

#include "util/ErrorReport.h"

namespace qv {

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

}  // namespace qv
