// The level sets that ship in data/: they load the way the game loads them, keep the board
// rules a hand-made file can break, every puzzle has a solution in its par, the level docs'
// measures tables tell the truth, and every text fits where the game shows it.
#include <gtest/gtest.h>
#include <SDL_ttf.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "content/LevelLibrary.h"
#include "content/Tutorial.h"
#include "puzzle/BoardTag.h"
#include "puzzle/Level.h"
#include "puzzle/Solver.h"
#include "render/MessageBoxState.h"
#include "render/Text.h"
#include "screens/MenuLayout.h"
#include "puzzle/LevelMeasures.h"
#include "support/ErrorRecorder.h"

using namespace qv;

namespace {

constexpr char kCreativeSetName[] = "be creative";
constexpr std::size_t kMaxNameChars = 29;
constexpr std::size_t kPuzzleSets = 4;
constexpr std::size_t kFirstMovesCheckedUpTo = 60000;  // states of the level's own search

std::string SourceFolder() {
    const char* source = std::getenv("QV_SOURCE_DIR");
    return source != nullptr ? source : QV_SOURCE_DIR;
}

std::string DataFolder() { return SourceFolder() + "/data"; }

std::vector<std::string> FileLines(const std::string& path) {
    std::ifstream in(path);
    EXPECT_TRUE(in) << path;
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The game reads "Beta.txt" and the paths in it relative to its working folder.
class InFolder {
public:
    explicit InFolder(const std::string& path) {
        char buffer[4096];
        if (getcwd(buffer, sizeof buffer) != nullptr) previous = buffer;
        enteredFolder = chdir(path.c_str()) == 0;
    }
    ~InFolder() {
        if (!previous.empty()) (void)chdir(previous.c_str());
    }
    InFolder(const InFolder&) = delete;
    InFolder& operator=(const InFolder&) = delete;
    bool entered() const { return enteredFolder; }

private:
    std::string previous;
    bool enteredFolder = false;
};

struct ShippedLevel {
    std::string setName;
    Level level;
    std::string key;  // in the records and the par table
};

struct ShippedSets {
    std::vector<std::string> setNames;         // from "Beta.txt", in menu order
    std::vector<int> levelCounts;
    std::vector<std::string> listFiles;
    std::vector<ShippedLevel> levels;
    std::vector<ErrorRecorder::Box> boxes;     // anything reported while loading
};

// Loads every set once, exactly as the library does at start-up, and keeps copies.
const ShippedSets& Shipped() {
    static const ShippedSets sets = [] {
        ShippedSets loaded;
        InFolder folder(DataFolder());
        EXPECT_TRUE(folder.entered()) << DataFolder();
        ErrorRecorder recorder;
        Settings settings;
        auto library = std::make_unique<LevelLibrary>(settings);
        for (int32_t s = 1; s < library->SetCount(); ++s) {
            if (library->Set(s).name.empty()) continue;
            library->SelectSet(s);
            loaded.setNames.push_back(library->Set(s).name);
            loaded.listFiles.push_back(library->Set(s).listFile);
            loaded.levelCounts.push_back(library->Set(s).levelCount);
            for (int32_t i = 0; i < library->Set(s).levelCount; ++i) {
                loaded.levels.push_back(
                    {library->Set(s).name, library->LevelAt(i), library->LevelKey(i)});
            }
        }
        loaded.boxes = recorder.boxes;
        return loaded;
    }();
    return sets;
}

bool OnTile(const Level& level, TilePos pos) {
    return pos.x >= 0 && pos.y >= 0 && pos.x < level.width && pos.y < level.height &&
           level.Tile(pos.x, pos.y) != TileColor::Black;
}

std::string Describe(const ShippedLevel& shipped) {
    return "\"" + shipped.level.name + "\" (" + shipped.level.filePath + ", " + shipped.setName + ")";
}

// A rule of tools/levels/rules.txt, the level tools' own: "rule value" or "rule folder value",
// the folder's value first; -1 when the file does not hold it.
int LevelRule(const std::string& rule, const std::string& folder) {
    int general = -1;
    for (const std::string& line : FileLines(SourceFolder() + "/tools/levels/rules.txt")) {
        std::istringstream words(line.substr(0, line.find('#')));
        std::vector<std::string> parts;
        for (std::string word; words >> word;) parts.push_back(word);
        if (parts.empty() || parts[0] != rule) continue;
        if (parts.size() == 3 && parts[1] == folder) return std::stoi(parts[2]);
        if (parts.size() == 2) general = std::stoi(parts[1]);
    }
    return general;
}

// "first" for "levels/first/01.txt".
std::string SetFolder(const std::string& filePath) {
    const std::size_t start = filePath.find('/') + 1;
    return filePath.substr(start, filePath.find('/', start) - start);
}

// Generous for every shipped level, yet a level that explodes the search fails instead of
// stalling the test run.
SolverLimits TestLimits() {
    SolverLimits limits;
    limits.maxStates = 6000000;
    limits.maxSeconds = 120;
    return limits;
}

// The first line of `text` wider than `width` pixels in `font`; empty when all fit.
std::string TooWide(TTF_Font* font, const std::string& text, int width) {
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (TextWidth(font, line) > width)
            return line + " (" + std::to_string(TextWidth(font, line)) + " pixels)";
    }
    return "";
}

// The first word the message box would cut from `text`, laid out as the box lays it out: at the
// largest size from 14 points down to 12 at which every line fits, what is still too wide
// wrapped at blanks. Empty when every word shows.
std::string CutInBox(const std::string& text, TTF_Font* font = nullptr) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    const FontPtr fitting = font ? nullptr : OpenUiFontFitting(14, 12, lines, kBoxWidth);
    if (!font) font = fitting.get();
    for (const std::string& line : lines)
        for (const std::string& piece : WrapLine(font, line, kBoxWidth))
            if (TextWidth(font, piece) > kBoxWidth) return piece;
    return "";
}

// Texts as the game draws them: no word cut from the box's lines or its title (15 points,
// bold), nor from the menu's level list at 14 in lower case.
void ExpectNothingCut(const Level& level) {
    if (TTF_WasInit() == 0) TTF_Init();
    const FontPtr list = OpenUiFont(14);
    const FontPtr title = OpenUiFont(15);
    ASSERT_TRUE(list && title);
    TTF_SetFontStyle(title.get(), TTF_STYLE_BOLD);
    EXPECT_EQ("", CutInBox(level.introText));
    EXPECT_EQ("", CutInBox(level.solvedText));
    EXPECT_EQ("", CutInBox(level.name, title.get()));
    EXPECT_EQ("", TooWide(list.get(), LowerCased(level.name), kLevelList.width));
}

}  // namespace

TEST(ShippedLevelsTest, SetListLoadsWithoutAnyMessage) {
    const ShippedSets& sets = Shipped();
    for (const auto& box : sets.boxes) ADD_FAILURE() << box.title << ": " << box.text;

    ASSERT_EQ(sets.setNames.size(), kPuzzleSets + 1) << "four puzzle sets and the player's own";
    EXPECT_EQ(kCreativeSetName, sets.setNames.back());
    EXPECT_EQ("levels/creative/list.txt", sets.listFiles.back());
    for (std::size_t s = 0; s < sets.setNames.size(); ++s) {
        EXPECT_EQ(kMaxLevelsPerSet, sets.levelCounts[s]) << sets.setNames[s];
    }
}

TEST(ShippedLevelsTest, EveryLevelKeepsTheBoardRules) {
    std::set<std::string> names;
    for (int i = 0; i < kTutorialLevelCount; ++i) names.insert(TutorialLevel(i).name);
    for (const ShippedLevel& shipped : Shipped().levels) {
        const Level& level = shipped.level;
        SCOPED_TRACE(Describe(shipped));
        EXPECT_FALSE(level.name.empty());
        EXPECT_LE(level.name.size(), kMaxNameChars);
        EXPECT_TRUE(names.insert(level.name).second) << "name used twice";
        // One intro line right below the name; after an empty line it would turn into a
        // closing text instead.
        EXPECT_EQ(std::count(level.introText.begin(), level.introText.end(), '\n'), 1);
        EXPECT_TRUE(level.solvedText.empty());
        const auto shapes = level.ShapePositions();
        for (int k = 0; k < kShapeCount; ++k) {
            const ShapeKind kind = static_cast<ShapeKind>(k);
            EXPECT_TRUE(OnTile(level, shapes[k])) << ShapeName(kind) << " off the tiles";
            EXPECT_TRUE(OnTile(level, level.GoalPos(kind))) << ShapeName(kind) << " goal off the tiles";
            for (int other = k + 1; other < kShapeCount; ++other) {
                const ShapeKind otherKind = static_cast<ShapeKind>(other);
                EXPECT_FALSE(shapes[k] == shapes[other]) << "two shapes share a tile";
                EXPECT_FALSE(level.GoalPos(kind) == level.GoalPos(otherKind)) << "two goals share a tile";
            }
        }
        EXPECT_FALSE(level.IsSolved()) << "starts solved";
    }
}

TEST(ShippedLevelsTest, SolverConfirmsParAndMeasuresTables) {
    struct Measured {
        std::string key;  // as data/levels/par.txt names the level
        const ShippedLevel* shipped;
        int number;       // in its set, from 1
    };
    std::vector<ShippedLevel> tutorial;
    for (int i = 0; i < kTutorialLevelCount; ++i)
        tutorial.push_back({kTutorialSetName, TutorialLevel(i), "tutorial/" + std::to_string(i)});
    std::vector<Measured> all;
    for (int i = 0; i < kTutorialLevelCount; ++i)
        all.push_back({"tutorial/" + std::to_string(i), &tutorial[i], i + 1});
    std::map<std::string, int> numbers;
    for (const ShippedLevel& shipped : Shipped().levels)
        all.push_back({shipped.level.filePath, &shipped, ++numbers[shipped.setName]});

    const std::vector<std::string> tables = FileLines(SourceFolder() + "/docs/levels.md");
    std::vector<std::string> par;
    for (const Measured& measured : all) {
        const ShippedLevel& shipped = *measured.shipped;
        SCOPED_TRACE(Describe(shipped));
        // The level's own search fixes par, states and the runs, and changes with any change to
        // the level. The first moves take a search each: checked where that is cheap, as the
        // deep levels would take minutes in the sanitizer build.
        LevelMeasures m = MeasureLevel(shipped.level, TestLimits(), false);
        ASSERT_EQ(SolveOutcome::Solved, m.solve.outcome) << "after " << m.solve.statesExplored << " states";
        const bool firstMoves = m.solve.statesExplored <= kFirstMovesCheckedUpTo;
        if (firstMoves) m = MeasureLevel(shipped.level, TestLimits());
        ASSERT_TRUE(!firstMoves || m.complete);
        par.push_back(std::to_string(m.solve.moveCount) + " " + measured.key + " " +
                      BoardTag(shipped.level));
        if (shipped.setName == kTutorialSetName) continue;
        const std::string folder = SetFolder(shipped.level.filePath);
        EXPECT_LE(m.longestRun, LevelRule("longest_run", folder)) << "a walk of one shape";
        EXPECT_LE(m.solve.moveCount, LevelRule("most_moves", folder)) << "a grind";
        // The measures row: "| number | name | moves | detour | states | best starts | traps |
        // trap depth | dead starts | switches | longest run |".
        const std::string head = "| " + std::to_string(measured.number) + " | " + shipped.level.name +
                                 " | " + std::to_string(m.solve.moveCount) + " | " +
                                 std::to_string(m.detour) + " | " +
                                 std::to_string(m.solve.statesExplored) + " | ";
        const std::string tail = " | " + std::to_string(m.switches) + " | " + std::to_string(m.longestRun) + " |";
        const std::string middle = std::to_string(m.optimalFirstMoves) + " | " + std::to_string(m.traps) +
                                   " | " + std::to_string(m.trapDepth) + " | " +
                                   std::to_string(m.deadStarts);
        const auto row = std::find_if(tables.begin(), tables.end(),
                                      [&](const std::string& line) { return line.rfind(head, 0) == 0; });
        ASSERT_NE(tables.end(), row) << "no row of docs/levels.md begins " << head;
        if (firstMoves) {
            EXPECT_EQ(head + middle + tail, *row);
        } else {
            EXPECT_EQ(tail, row->substr(row->size() - std::min(row->size(), tail.size()))) << *row;
        }
    }
    EXPECT_EQ(par, FileLines(DataFolder() + "/levels/par.txt"));
}

TEST(ShippedLevelsTest, EveryTextFitsWhereTheGameShowsIt) {
    for (const ShippedLevel& shipped : Shipped().levels) {
        SCOPED_TRACE(Describe(shipped));
        ExpectNothingCut(shipped.level);
    }
    // The tutorial's pictures are sized to the line count of their intros, so there no line
    // may wrap: three intros hold a line a few pixels too wide for 14 points, and the box sets
    // them at 13; every other tutorial text fits at 14.
    const std::set<std::string> setSmaller{"Getting Rid Of Yellow", "Back And Forth",
                                           "Farther Up The Road"};
    for (int i = 0; i < kTutorialLevelCount; ++i) {
        const Level level = TutorialLevel(i);
        SCOPED_TRACE(level.name);
        ExpectNothingCut(level);
        const FontPtr text = OpenUiFont(setSmaller.count(level.name) ? 13 : 14);
        EXPECT_EQ("", TooWide(text.get(), level.introText, kBoxWidth));
        EXPECT_EQ("", TooWide(text.get(), level.solvedText, kBoxWidth));
    }
    const FontPtr list = OpenUiFont(14);
    for (const std::string& name : Shipped().setNames)
        EXPECT_EQ("", TooWide(list.get(), name, kSetList.width));
}
