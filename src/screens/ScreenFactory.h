#pragma once
// The one place that knows every screen: builds the one a GameContext switch names. The shell
// puts it into the context; no screen includes this header.
#include <memory>

#include "render/GameState.h"
#include "screens/GameContext.h"

namespace qv {

std::unique_ptr<GameState> BuildScreen(ScreenName name, GameContext& context);

}  // namespace qv
