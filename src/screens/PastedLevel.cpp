#include "screens/PastedLevel.h"

#include "puzzle/LevelLink.h"
#include "render/MessageBoxes.h"
#include "util/ErrorReport.h"

namespace qv {

void PutCodedLevel(Level& level, const Level& coded) {
    Level placed = coded;
    placed.filePath = level.filePath;
    placed.status = level.status;
    placed.fromEditor = true;
    placed.ClearHistories();
    level = placed;
}

std::string CodeOpenedText(const std::string& name, const std::string& replacedName) {
    return "\"" + name + "\" is in the editor in place of\n\"" + replacedName +
           "\", not saved yet. Save keeps it there;\n"
           "Exit and Discard keep your level as it was.";
}

void OpenLevelCode(GameContext& context, const std::string& code) {
    std::string why;
    const auto coded = ReadLevelCode(code, &why);
    LevelLibrary& library = context.library;
    int32_t own = -1;
    for (int32_t set = 0; set < library.SetCount() && set < kMaxSets; ++set) {
        if (library.Set(set).name == kUserSetName) own = set;
    }
    if (!coded || own < 0) {
        ReportError(coded ? std::string("Cannot open the level code. There is no set \"") +
                                kUserSetName + "\" to open it in."
                          : "Cannot open the level code. " + why);
        context.SwitchTo(ScreenName::MainMenu);
        return;
    }
    library.SelectSet(own);
    Level& level = library.CurrentLevel();
    // The level as saved is what leaving without saving keeps.
    level.width = kMaxWidth;
    level.height = kMaxHeight;
    context.editorBaseline = level;
    PutCodedLevel(level, *coded);
    context.SwitchTo(ScreenName::Editor);
    OpenMessageBox(context, kCodeOpenedTitle,
                   CodeOpenedText(coded->name, context.editorBaseline.name), nullptr);
}

}  // namespace qv
