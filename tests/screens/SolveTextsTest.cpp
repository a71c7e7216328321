// The new boxes' lines and the play screen's labels, measured with the game's own font.
#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "content/Tutorial.h"
#include "puzzle/Level.h"
#include "render/MessageBoxState.h"
#include "render/Text.h"
#include "screens/EditorCheck.h"
#include "screens/PlayHint.h"
#include "screens/SolveTexts.h"

using namespace qv;

namespace {

// Lines of a box start at 22 and step by 15; the OK button's top is at 216.
constexpr int kLinesAboveOkButton = 12;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

int Width(TTF_Font* font, const std::string& text) {
    int w = 0;
    int h = 0;
    EXPECT_EQ(TTF_SizeText(font, text.c_str(), &w, &h), 0);
    return w;
}

}  // namespace

TEST(SolveTexts, EveryLineFitsTheBoxAt14PointsAndAboveItsButton) {
    ASSERT_EQ(TTF_Init(), 0);
    {
        FontPtr font = OpenUiFont(14);
        ASSERT_TRUE(font);
        std::vector<std::string> sets = {kTutorialSetName};
        std::ifstream beta(std::string(QV_SOURCE_DIR) + "/data/Beta.txt");
        for (std::string name, path; std::getline(beta, name) && std::getline(beta, path);)
            sets.push_back(name);
        ASSERT_GE(sets.size(), 5u);

        // The widest numbers a player will meet, every set and what may follow it, and a set's
        // box that also reports its last level.
        const SolveSummary widest{1000, 999, true};
        std::vector<std::string> texts = {SolveLines(widest), SolveLines({1000, 1000, true})};
        for (std::size_t s = 0; s < sets.size(); ++s) {
            const std::string& next = sets[(s + 1) % sets.size()];
            for (AfterSet after : {AfterSet::NextSet, AfterSet::OwnLevels, AfterSet::Nothing}) {
                texts.push_back(SolveLines(widest) + "\n\n" +
                                SetCompleteText(sets[s], 19, 20, after, next));
            }
        }
        for (int i = 0; i < kTutorialLevelCount; ++i)
            texts.push_back(WellDoneText(widest, TutorialLevel(i).solvedText));
        // The editor's check, with the longest way a search can trace.
        texts.push_back(FewestText(1000));
        texts.push_back(WayText(1023));
        texts.push_back(kCannotBeSolvedText);
        texts.push_back(kCheckGaveUpText);
        for (const std::string& text : texts) {
            EXPECT_LE(static_cast<int>(Lines(text).size()), kLinesAboveOkButton) << text;
            for (const std::string& line : Lines(text))
                EXPECT_LE(Width(font.get(), line), kBoxWidth) << line;
        }

        // The labels: left of the name plate without reaching the exit button (x 197), and
        // right of it within the screen.
        EXPECT_LE(Width(font.get(), MovesLabel(1000)), 354 - 205);
        EXPECT_LE(Width(font.get(), ParLabel(1000)), 800 - 605 - 5);
        // The way hint's lines under the restart button, within the buttons' width.
        for (const char* line : {kWayHintLine, kWayHintLine2}) EXPECT_LE(Width(font.get(), line), 146);
    }
    TTF_Quit();
}
