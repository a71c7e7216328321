#include "screens/SolveTexts.h"

namespace qv {

namespace {

std::string Quoted(const std::string& name) { return "\"" + name + "\""; }

}  // namespace

std::string SolveLines(const SolveSummary& summary) {
    std::string text = "Solved in " + std::to_string(summary.moves) +
                       (summary.moves == 1 ? " move." : " moves.");
    if (summary.newBest) text += " A new best.";
    if (!summary.par) return text;
    if (summary.moves <= *summary.par) return text + "\nThat is the fewest possible.";
    return text + "\nThe fewest possible is " + std::to_string(*summary.par) + ".";
}

std::string WellDoneText(const std::optional<SolveSummary>& summary, const std::string& solvedText) {
    if (!summary) return solvedText;
    if (solvedText.empty()) return SolveLines(*summary);
    return SolveLines(*summary) + "\n\n" + solvedText;
}

std::string DailyDoneText(const SolveSummary& summary, const std::string& shareLine, bool copied) {
    return SolveLines(summary) + "\n\nTo share:\n" + shareLine + "\n" +
           (copied ? "(on the clipboard)" : "(copy it from here)");
}

std::string EndlessDoneText(const std::optional<SolveSummary>& summary, const std::string& next) {
    return WellDoneText(summary, "Next comes " + Quoted(next) + ".");
}

std::string SetCompleteText(const std::string& setName, int inPar, int levelCount, AfterSet after,
                            const std::string& nextSetName) {
    std::string text = "Every level of " + Quoted(setName) + " is solved.\n";
    if (inPar == levelCount) {
        text += levelCount == 1 ? "It is solved in par." : "All of them are solved in par.";
    } else {
        text += std::to_string(inPar) + " of its " + std::to_string(levelCount) +
                (levelCount == 1 ? " level " : " levels ") + (inPar == 1 ? "is" : "are") +
                " solved in par.\nPlay one again to match its fewest moves.";
    }
    switch (after) {
    case AfterSet::NextSet: return text + "\n\nNext comes " + Quoted(nextSetName) + ".";
    case AfterSet::OwnLevels:
        return text + "\n\nNow make levels of your own in\n" + Quoted(nextSetName) + ".";
    case AfterSet::Nothing: break;
    }
    return text + "\n\nThat was the last set. Thank you for playing!";
}

std::string MovesLabel(int moves) { return "moves: " + std::to_string(moves); }

std::string ParLabel(int par) { return "par: " + std::to_string(par); }

}  // namespace qv
