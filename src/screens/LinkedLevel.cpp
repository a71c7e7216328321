#include "screens/LinkedLevel.h"

#include "content/LevelLibrary.h"
#include "puzzle/LevelLink.h"
#include "screens/ScreenSwitch.h"
#include "util/ErrorReport.h"

namespace qv {

void OpenLinkedLevel(const std::string& fragment) {
    std::string why;
    auto level = ReadLevelLink(fragment, &why);
    if (!level) {
        ReportError("Cannot open the level of this link. " + why);
        SwitchToMainMenu();
        return;
    }
    level->fromLink = true;
    Library().CurrentLevel() = std::move(*level);
    SwitchToPlay();
}

void CloseLinkedLevel() {
    LevelLibrary& library = Library();
    const int32_t index = library.currentLevelIndex;
    library.LoadCurrentSet();
    library.SelectLevel(index);
}

}  // namespace qv
