#include "screens/ScreenSwitch.h"

#include "render/ScreenManager.h"
#include "screens/EditorState.h"
#include "screens/MainMenuState.h"
#include "screens/PlayState.h"

namespace qv {

void SwitchToMainMenu() { SwitchTo<MainMenuState>(); }
void SwitchToPlay() { SwitchTo<PlayState>(); }
void SwitchToEditor() { SwitchTo<EditorState>(); }

}  // namespace qv
