#include "screens/MenuGenerated.h"

#include "generator/PuzzleKeys.h"
#include "util/ErrorReport.h"

namespace qv {

int FirstGeneratedSetRow(const LevelLibrary& library) { return library.SetCount() + 1; }

std::string GeneratedRowText(const GeneratedPick& pick, std::optional<int> record) {
    if (!record) return pick.RowText();
    return pick.RowText() + ": " + std::to_string(*record) + (*record == 1 ? " move" : " moves");
}

std::string GeneratedOfferText(const PuzzleWorkshop& workshop, const GeneratedPick& pick,
                               std::optional<int> record) {
    if (workshop.Failed(pick.puzzle)) return "no puzzle comes of this seed";
    const MadePuzzle* made = workshop.Find(pick.puzzle);
    if (!made) return kMakingPuzzleText;
    std::string text = "par " + std::to_string(made->par);
    if (record) text += ", your best " + std::to_string(*record);
    return text;
}

void PutGeneratedLevel(GameContext& context, const GeneratedPick& pick, const MadePuzzle& made) {
    Level level = made.level;
    level.name = pick.Name();
    level.fromLink = true;
    context.library.CurrentLevel() = std::move(level);
    context.generated.playing = pick;
}

void OpenPuzzleLink(GameContext& context, const std::string& fragment) {
    std::string why;
    const std::optional<PuzzleSeed> puzzle = ReadPuzzleLink(fragment, &why);
    if (puzzle) {
        context.generated.ChooseLinked(*puzzle);
        context.generated.playWhenMade = true;
    } else {
        ReportError("Cannot open the puzzle of this link. " + why);
    }
    context.SwitchTo(ScreenName::MainMenu);
}

}  // namespace qv
