// The level sets that ship in data/: they load the way the game loads them, keep the board
// rules a hand-made file can break, and every puzzle has a solution.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "content/LevelLibrary.h"
#include "content/MoveTable.h"
#include "content/Tutorial.h"
#include "puzzle/Level.h"
#include "puzzle/Solver.h"
#include "support/ErrorRecorder.h"

using namespace qv;

namespace {

constexpr char kCreativeSetName[] = "be creative";
constexpr std::size_t kMaxNameChars = 29;

std::string DataFolder() {
    const char* source = std::getenv("QV_SOURCE_DIR");
    return std::string(source != nullptr ? source : QV_SOURCE_DIR) + "/data";
}

// The game reads "Beta.txt" and the paths in it relative to its working folder.
class InFolder {
public:
    explicit InFolder(const std::string& path) {
        char buffer[4096];
        if (getcwd(buffer, sizeof buffer) != nullptr) previous_ = buffer;
        entered_ = chdir(path.c_str()) == 0;
    }
    ~InFolder() {
        if (!previous_.empty()) (void)chdir(previous_.c_str());
    }
    InFolder(const InFolder&) = delete;
    InFolder& operator=(const InFolder&) = delete;
    bool entered() const { return entered_; }

private:
    std::string previous_;
    bool entered_ = false;
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
        auto library = std::make_unique<LevelLibrary>();
        for (int32_t s = 1; s < library->setCount; ++s) {
            if (library->sets[s].name.empty()) continue;
            library->SelectSet(s);
            loaded.setNames.push_back(library->sets[s].name);
            loaded.listFiles.push_back(library->sets[s].listFile);
            loaded.levelCounts.push_back(library->sets[s].levelCount);
            for (int32_t i = 0; i < library->sets[s].levelCount; ++i) {
                loaded.levels.push_back(
                    {library->sets[s].name, library->levels[i], library->LevelKey(i)});
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

// Generous for every shipped level, yet a level that explodes the search fails instead of
// stalling the test run.
SolverLimits TestLimits() {
    SolverLimits limits;
    limits.maxStates = 6000000;
    limits.maxSeconds = 120;
    return limits;
}

}  // namespace

TEST(ShippedLevelsTest, SetListLoadsWithoutAnyMessage) {
    const ShippedSets& sets = Shipped();
    for (const auto& box : sets.boxes) ADD_FAILURE() << box.title << ": " << box.text;

    ASSERT_GE(sets.setNames.size(), 4u) << "three puzzle sets and the player's own set";
    EXPECT_EQ(kCreativeSetName, sets.setNames.back());
    EXPECT_EQ("levels/creative/list.txt", sets.listFiles.back());
    EXPECT_EQ(kMaxLevelsPerSet, sets.levelCounts.back());
    for (std::size_t s = 0; s + 1 < sets.setNames.size(); ++s) {
        EXPECT_GE(sets.levelCounts[s], 15) << sets.setNames[s];
        EXPECT_LE(sets.levelCounts[s], kMaxLevelsPerSet) << sets.setNames[s];
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
        // A hint is one line right below the name; after an empty line it would turn into a
        // closing text instead.
        EXPECT_LE(std::count(level.introText.begin(), level.introText.end(), '\n'), 1);
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

// The play screen promises the shipped par table's numbers as the fewest possible moves, so
// the table must hold exactly the solver's answer for every level and nothing else.
TEST(ShippedLevelsTest, EveryLevelAndTutorialLevelCanBeSolvedInItsShippedPar) {
    MoveTable par = LoadMoveTable(DataFolder() + "/levels/par.txt");
    std::vector<ShippedLevel> all = Shipped().levels;
    for (int i = 0; i < kTutorialLevelCount; ++i)
        all.push_back({kTutorialSetName, TutorialLevel(i), "tutorial/" + std::to_string(i)});
    for (const ShippedLevel& shipped : all) {
        const SolveResult result = SolveLevel(shipped.level, TestLimits());
        EXPECT_EQ(SolveOutcome::Solved, result.outcome)
            << Describe(shipped) << " after " << result.statesExplored << " states";
        const auto entry = par.find(shipped.key);
        if (entry == par.end()) {
            ADD_FAILURE() << Describe(shipped) << " has no line in levels/par.txt";
            continue;
        }
        EXPECT_EQ(entry->second, result.moveCount) << Describe(shipped) << " in levels/par.txt";
        par.erase(entry);
    }
    for (const auto& [key, moves] : par) ADD_FAILURE() << "levels/par.txt names " << key;
}
