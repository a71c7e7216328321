#include <gtest/gtest.h>

#include <sstream>

#include "ContentFiles.h"
#include "content/Tutorial.h"

using namespace qv;

namespace {

struct Expected {
    const char* name;
    const char* picture;
    int width;
    int height;
    const char* rows;  // rows top to bottom, "/" between rows; missing rows are all 0
    TilePos circle, star, triangle, circleGoal, starGoal, triangleGoal;
};

// The boards as a player sees them, written independently of the level strings.
const Expected kExpected[kTutorialLevelCount] = {
    {"Setting Goals", "./graphics/tutorial0.png", 9, 7,
     "7 0 7 0 7 0 0 0 0/7 0 7 0 7 0 0 0 0/7 7 7 7 7 0 0 0 0",
     {0, 0}, {2, 1}, {4, 0}, {1, 2}, {2, 2}, {3, 2}},
    {"Opaque", "./graphics/tutorial1.png", 9, 7,
     "0 0 0 0 0 0 0 0 0/0 0 0 0 0 0 0 0 0/0 0 0 0 7 0 0 0 0/0 0 0 7 7 7 0 0 0/"
     "0 0 0 0 7 0 0 0 0",
     {4, 3}, {3, 3}, {4, 4}, {4, 3}, {4, 2}, {5, 3}},
    {"Mixing Colors", "./graphics/tutorial2.png", 6, 3,
     "7 2 1 3 7 7/7 1 4 5 7 7/7 4 2 6 7 7",
     {0, 2}, {0, 1}, {0, 0}, {5, 2}, {5, 1}, {5, 0}},
    {"Primary Blockers", "./graphics/tutorial3.png", 7, 5,
     "7 1 7 7 7 0 0/7 7 7 1 7 0 0/7 7 7 7 7 4 7/7 2 7 7 4 4 7/2 7 7 7 7 7 7",
     {0, 0}, {0, 3}, {4, 2}, {4, 1}, {1, 4}, {6, 2}},
    {"Secondary Blockers", "./graphics/tutorial4.png", 7, 6,
     "0 6 7 7 7 5 0/1 7 3 7 3 7 2/0 5 7 7 7 6 0/0 0 7 7 6 0 0/0 0 7 5 7 4 0/0 0 7 7 3 0 0",
     {1, 1}, {5, 1}, {4, 4}, {2, 2}, {4, 2}, {3, 3}},
    {"Getting Rid Of Yellow", "./graphics/tutorial5.png", 3, 3, "2 7 2/7 2 7/7 7 7",
     {0, 0}, {1, 0}, {2, 0}, {0, 2}, {1, 2}, {2, 2}},
    {"Back And Forth", "./graphics/tutorial7.png", 3, 3, "7 7 7/2 5 2/3 3 4",
     {0, 0}, {1, 0}, {2, 0}, {2, 2}, {1, 2}, {0, 2}},
    {"Farther Up The Road", "./graphics/tutorial6.png", 9, 7,
     "7 7 4 7 2 0 0 0 0/7 7 0 6 7 0 0 0 0/7 7 0 7 7 0 0 0 0",
     {0, 2}, {0, 1}, {0, 0}, {4, 2}, {3, 2}, {4, 1}},
    {"Preparations", "./graphics/tutorial8.png", 9, 7,
     "0 0 0 0 0 0 0 0 0/0 0 0 0 0 0 0 0 0/0 0 7 7 7 0 0 0 0/5 7 2 7 7 0 0 0 0/"
     "0 0 7 7 7 0 0 0 0",
     {2, 2}, {3, 3}, {2, 3}, {0, 3}, {3, 4}, {4, 4}},
};

// All 63 cells row by row, cells off the listed rows 0.
std::vector<int> Cells(const char* rows) {
    std::vector<int> cells(kCellCount, 0);
    std::istringstream in(rows);
    std::string row;
    for (int y = 0; std::getline(in, row, '/'); ++y) {
        std::istringstream values(row);
        int value = 0;
        for (int x = 0; values >> value; ++x) cells[y * kMaxWidth + x] = value;
    }
    return cells;
}

std::vector<int> Cells(const Level& level) {
    std::vector<int> cells;
    for (int y = 0; y < kMaxHeight; ++y) {
        for (int x = 0; x < kMaxWidth; ++x) cells.push_back(static_cast<int>(level.Tile(x, y)));
    }
    return cells;
}

}  // namespace

TEST(Tutorial, LevelsDecodeToTheirBoards) {
    for (int i = 0; i < kTutorialLevelCount; ++i) {
        SCOPED_TRACE("tutorial level " + std::to_string(i));
        const Expected& expected = kExpected[i];
        const Level level = TutorialLevel(i);
        EXPECT_EQ(level.name, expected.name);
        EXPECT_EQ(level.picturePath, expected.picture);
        EXPECT_EQ(level.width, expected.width);
        EXPECT_EQ(level.height, expected.height);
        EXPECT_EQ(Cells(level), Cells(expected.rows));
        EXPECT_EQ(level.circlePos, expected.circle);
        EXPECT_EQ(level.starPos, expected.star);
        EXPECT_EQ(level.trianglePos, expected.triangle);
        EXPECT_EQ(level.circleGoal, expected.circleGoal);
        EXPECT_EQ(level.starGoal, expected.starGoal);
        EXPECT_EQ(level.triangleGoal, expected.triangleGoal);
        EXPECT_FALSE(level.introText.empty() || level.solvedText.empty());
    }
}

TEST(Tutorial, TextsKeepTheirLineBreaks) {
    const std::string intro = TutorialLevel(0).introText;
    EXPECT_EQ(intro.size(), 164u);
    EXPECT_EQ(intro.back(), '\n');
    EXPECT_EQ(intro.rfind("Your goal in Quorvellan is to move the colored shapes\n", 0), 0u);
    EXPECT_EQ(TutorialLevel(8).solvedText,
              "Congratulations. You've successfully completed all the\ntutorial levels. You are "
              "now ready to bend your brains\non some real puzzles.");
    EXPECT_EQ(TutorialLevel(9).name, "New Level");
}

TEST(Tutorial, IsSetZeroOfTheLibrary) {
    TempDir dir;
    auto library = MakeLibrary();
    EXPECT_EQ(library->Set(0).name, "how to be smart");
    EXPECT_EQ(library->Set(0).levelCount, 9);
    EXPECT_EQ(library->Set(0).levelCount, 9);
    EXPECT_EQ(library->LevelAt(0).name, "Setting Goals");
    EXPECT_EQ(library->LevelAt(8).solvedText, TutorialLevel(8).solvedText);
    EXPECT_EQ(library->LevelAt(9).name, "New Level");
}
