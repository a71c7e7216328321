#include "screens/ScreenFactory.h"

#include "screens/EditorState.h"
#include "screens/MainMenuState.h"
#include "screens/PlayState.h"

namespace qv {

std::unique_ptr<GameState> BuildScreen(ScreenName name, GameContext& context) {
    switch (name) {
    case ScreenName::MainMenu: return std::make_unique<MainMenuState>(context);
    case ScreenName::Play: return std::make_unique<PlayState>(context);
    case ScreenName::Editor: return std::make_unique<EditorState>(context);
    case ScreenName::WatchShortest:
        return std::make_unique<PlayState>(context, PlayMode::WatchShortest);
    case ScreenName::WatchBest: return std::make_unique<PlayState>(context, PlayMode::WatchBest);
    }
    return nullptr;
}

}  // namespace qv
