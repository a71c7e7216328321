// The menu's generated sets: their rows below the library's sets, their puzzles as rows of the
// level list with the player's records, and the preview of the chosen one once made.
#include "puzzle/BoardTag.h"
#include "screens/MainMenuState.h"
#include "screens/MenuGenerated.h"
#include "render/Text.h"
#include "screens/MenuLayout.h"

namespace qv {

namespace {

// The line under the preview, centred as the watch offer is.
constexpr int kGeneratedOfferCentre = 637;
constexpr int kGeneratedOfferY = 331;

}  // namespace

const MadePuzzle* MainMenuState::ChosenMade() const {
    const std::optional<GeneratedPick> chosen = ctx.generated.Chosen();
    return chosen ? ctx.generated.workshop.Find(chosen->puzzle) : nullptr;
}

void MainMenuState::ChooseGeneratedSet(std::optional<int> set) {
    ctx.generated.ChooseSet(set);
    BuildSetList();
    RebuildLevelView();
    ApplyEditRule();
    if (set) ChooseGeneratedRow(0);
}

void MainMenuState::ChooseGeneratedRow(int row) {
    ctx.generated.ChooseRow(row);
    if (const std::optional<GeneratedPick> chosen = ctx.generated.Chosen())
        ctx.generated.workshop.Want(chosen->puzzle);
    // A small puzzle is made at once, before the menu shows the one it chose.
    StepWorkshop();
    RebuildLevelView();
}

void MainMenuState::StepWorkshop() {
    GeneratedSets& generated = ctx.generated;
    if (!generated.workshop.Step()) return;
    RebuildLevelView();
    // A link's puzzle is played as soon as it is made.
    if (generated.playWhenMade && ChosenMade()) {
        generated.playWhenMade = false;
        Play();
    }
}

void MainMenuState::AddGeneratedSetRows(std::vector<ListRow>& rows) const {
    rows.resize(static_cast<std::size_t>(FirstGeneratedSetRow(ctx.library)));
    for (int set = 0; set < kGeneratedSetCount; ++set)
        rows.push_back({GeneratedSetName(set), ctx.generated.ChosenSet() == set, LevelStatus::Open});
}

void MainMenuState::BuildGeneratedList() {
    std::vector<ListRow> rows;
    const std::vector<GeneratedPick> picks = ctx.generated.Rows();
    for (std::size_t i = 0; i < picks.size(); ++i) {
        const std::optional<int> record = ctx.library.RecordOf(picks[i].RecordKey(), "");
        const MadePuzzle* made = ctx.generated.workshop.Find(picks[i].puzzle);
        rows.push_back({GeneratedRowText(picks[i], record),
                        static_cast<int>(i) == ctx.generated.ChosenRow(),
                        record ? LevelStatus::Solved : LevelStatus::Open,
                        record && made && *record <= made->par});
    }
    BuildList(levelListSurface, kLevelList, kLevelListBackground,
              "Can't create surface for Application.CurrentLevel list.",
              "Can't set color key for Application.CurrentLevel list surface.", rows);
    sprites.Refresh(kLevelListSlot);
}

void MainMenuState::ShowGeneratedOffer() {
    const std::optional<GeneratedPick> chosen = ctx.generated.Chosen();
    std::string text;
    if (chosen) {
        const MadePuzzle* made = ctx.generated.workshop.Find(chosen->puzzle);
        const std::string tag = made ? BoardTag(made->level) : std::string();
        const std::optional<int> record =
            made ? ctx.library.RecordOf(chosen->RecordKey(), tag) : std::nullopt;
        text = GeneratedOfferText(ctx.generated.workshop, *chosen, record);
    }
    TTF_Font* small = offerFont.get();
    const int width = ctx.scale.Logical(TextWidth(small, text));
    watchLabel.Show(small, text, kGeneratedOfferCentre - width / 2, kGeneratedOfferY,
                    ShadowLabel::Align::Left);
    bestLabel.Show(small, "", 0, kGeneratedOfferY, ShadowLabel::Align::Left);
}

}  // namespace qv
