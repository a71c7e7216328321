#include "screens/GameContext.h"

namespace qv {

void GameContext::SwitchTo(ScreenName name) {
    screens.SwitchTo([this, name] { return buildScreen(name, *this); });
}

}  // namespace qv
