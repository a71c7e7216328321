#pragma once
// How this platform shows the game's error boxes to the player. The shell installs this sink
// before anything can go wrong; tools and tests keep their own.
#include "util/ErrorReport.h"

namespace qv {

ErrorSink& PlatformErrorSink();

}  // namespace qv
