#include "screens/LinkedLevel.h"

#include "puzzle/LevelLink.h"
#include "screens/MenuGenerated.h"
#include "util/ErrorReport.h"

namespace qv {

void OpenLinkedLevel(GameContext& context, const std::string& fragment) {
    // A generated puzzle's link names its seed, not a board.
    if (fragment.rfind('G', 0) == 0) {
        OpenPuzzleLink(context, fragment);
        return;
    }
    std::string why;
    auto level = ReadLevelLink(fragment, &why);
    if (!level) {
        ReportError("Cannot open the level of this link. " + why);
        context.SwitchTo(ScreenName::MainMenu);
        return;
    }
    level->fromLink = true;
    context.library.CurrentLevel() = std::move(*level);
    context.SwitchTo(ScreenName::Play);
}

void CloseLinkedLevel(LevelLibrary& library) {
    const int32_t index = library.CurrentLevelIndex();
    library.LoadCurrentSet();
    library.SelectLevel(index);
}

}  // namespace qv
