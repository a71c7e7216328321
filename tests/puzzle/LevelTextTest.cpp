#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <sstream>

#include "LevelTestSupport.h"
#include "support/ErrorRecorder.h"
#include "support/TempDir.h"
#include "support/Unreadable.h"

using namespace qv;
namespace fs = std::filesystem;

namespace {

const char kDefaultLevelFile[] =
    "9 7 7 7 0 0 0 0 0 0 0 7 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 "
    "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1 1 0 1 0 0 0 0 1\nNew Level";

// Loads `content` as the file "level.txt" in a fresh directory and returns the boxes shown.
struct Loaded {
    Level level;
    std::vector<ErrorRecorder::Box> boxes;
};

Loaded Load(const std::string& content, Level level = Level()) {
    TempDir dir;
    dir.Write("level.txt", content);
    ErrorRecorder rec;
    level.filePath = "level.txt";
    level.LoadLevel();
    return {level, rec.boxes};
}

std::string LoadError(const std::string& reason) {
    return "Cannot load level level.txt. " + reason;
}

TEST(LevelText, DefaultLevelWritesTheKnownBytes) {
    std::ostringstream out;
    Level().WriteLevel(out);
    EXPECT_EQ(out.str(), kDefaultLevelFile);

    const Loaded loaded = Load(kDefaultLevelFile);
    EXPECT_TRUE(loaded.boxes.empty());
    EXPECT_TRUE(loaded.level.SameContent(Level()));
    EXPECT_EQ(loaded.level.width, 9);
    EXPECT_EQ(loaded.level.height, 7);
}

TEST(LevelText, ReadsTheFullFormat) {
    Level before;
    before.fromEditor = true;
    before.status = LevelStatus::Solved;
    before.picturePath = "old.png";
    before.introText = "old";
    before.playHistory.push_back(Command{});
    // Rows split over lines freely, CR LF line ends, trailing words after the last goal.
    const Loaded loaded = Load(
        "6 3 7 2 1\r\n3 7 7 7 1 4 5 7 7 7 4 2 6\n7 7 0 2 0 1 0 0 5 2 5 1 5 0 rest is skipped\r\n"
        "Mixing Colors\r\n"
        "First intro line\r\nSecond intro line\r\n\r\n"
        "Solved one\n\n\nSolved two",
        before);
    const Level& level = loaded.level;
    EXPECT_TRUE(loaded.boxes.empty());
    Level expected = BoardFrom(kMixingBoard);
    expected.name = "Mixing Colors";
    EXPECT_TRUE(level.SameContent(expected));
    EXPECT_EQ(level.width, 6);
    EXPECT_EQ(level.height, 3);
    EXPECT_EQ(level.introText, "First intro line\nSecond intro line\n");
    EXPECT_EQ(level.solvedText, "Solved one\nSolved two\n");
    EXPECT_EQ(level.picturePath, "");
    EXPECT_TRUE(level.fromEditor);
    EXPECT_EQ(level.status, LevelStatus::Solved);
    EXPECT_TRUE(level.playHistory.empty());
}

TEST(LevelText, ZeroByZeroBoard) {
    const Loaded loaded = Load("0 0 1 1 2 2 3 3 4 4 5 5 6 6\nEmpty\n");
    EXPECT_TRUE(loaded.boxes.empty());
    EXPECT_EQ(loaded.level.width, 0);
    EXPECT_EQ(loaded.level.height, 0);
    EXPECT_EQ(loaded.level.name, "Empty");
    EXPECT_EQ(loaded.level.triangleGoal, At(6, 6));
    for (TileColor c : loaded.level.tiles) EXPECT_EQ(c, TileColor::Black);
}

TEST(LevelText, LongNamesAndLinesLoadWholeUpToABound) {
    const std::string name29(29, 'n');
    const std::string name60 = std::string(60, 'm');
    const std::string line200(200, 't');
    EXPECT_EQ(Load("1 1 7 0 0 0 0 0 0 0 0 0 0 0 0\n" + name29).level.name, name29);
    const Loaded loaded = Load("1 1 7 0 0 0 0 0 0 0 0 0 0 0 0\n" + name60 + "\n" + line200 + "\n");
    EXPECT_EQ(loaded.level.name, name60);
    EXPECT_EQ(loaded.level.introText, line200 + "\n");

    // Longer lines are cut, and the lines after them still load; a file of megabytes (a name
    // line of 8 MB) is read no further than any level file could need.
    const Loaded cut = Load("1 1 7 0 0 0 0 0 0 0 0 0 0 0 0\n" + std::string(1000, 'n') +
                            "\nintro\n\n" + std::string(1000, 's') + "\n");
    EXPECT_EQ(cut.level.name, std::string(kMaxLevelLineChars, 'n'));
    EXPECT_EQ(cut.level.introText, "intro\n");
    EXPECT_EQ(cut.level.solvedText, std::string(kMaxLevelLineChars, 's') + "\n");
    const Loaded huge =
        Load("1 1 7 0 0 0 0 0 0 0 0 0 0 0 0\n" + std::string(8 << 20, 'h') + "\nintro\n");
    EXPECT_EQ(huge.level.name, std::string(kMaxLevelLineChars, 'h'));
    EXPECT_EQ(huge.level.introText, "");
}

TEST(LevelText, LoadMessages) {
    ErrorRecorder rec;
    Level missing;
    missing.filePath = "no/such/level.txt";
    missing.LoadLevel();
    ASSERT_EQ(rec.boxes.size(), 1u);
    EXPECT_EQ(rec.boxes[0], (ErrorRecorder::Box{"Error", "Cannot load level no/such/level.txt. File not found."}));
    EXPECT_TRUE(missing.SameContent(Level()));

    TempDir dir;
    dir.Write("levels/keep.txt", "");
    Level folder;
    folder.filePath = "levels";
    folder.LoadLevel();
    ASSERT_EQ(rec.boxes.size(), 2u);
    EXPECT_EQ(rec.boxes[1].text, "Cannot load level levels. File not found.");
    EXPECT_TRUE(folder.SameContent(Level()));

    struct Case { const char* content; std::string message; };
    const Case cases[] = {
        {"10 -1 0", LoadError("Level too big.")},
        {"9 8 0", LoadError("Level too big.")},
        {"-1 3 0", LoadError("Level dimensions cannot be negative.")},
        {"5 2 1 1 1 1 1 1 1 8 1 1", LoadError("Invalid color (8) at position (2, 1).")},
        {"2 1 7 -3", LoadError("Invalid color (-3) at position (1, 0).")},
    };
    for (const Case& c : cases) {
        const Loaded loaded = Load(c.content);
        ASSERT_EQ(loaded.boxes.size(), 1u) << c.content;
        EXPECT_EQ(loaded.boxes[0], (ErrorRecorder::Box{"Error", c.message})) << c.content;
    }
}

TEST(LevelText, InvalidColorKeepsCellsReadSoFar) {
    Level before;
    before.playHistory.push_back(Command{});
    const Loaded loaded = Load("5 2 1 2 3 4 5 6 7 8 1 1", before);
    EXPECT_EQ(loaded.level.Tile(4, 0), TileColor::Purple);
    EXPECT_EQ(loaded.level.Tile(1, 1), TileColor::White);
    EXPECT_EQ(loaded.level.Tile(2, 1), TileColor::Black);
    EXPECT_EQ(loaded.level.playHistory.size(), 1u);  // a failed load does not clear histories
}

// Sizes that are rejected, files that stop early and words where numbers belong must all leave a
// board that stays inside the array and holds only real colours.
TEST(LevelText, BadFilesLeaveASafeBoard) {
    const char* const contents[] = {
        "12 4 7 7 7", "-3 -2", "9 99", "", "abc", "3", "3 3 7 7 x 7", "3 3 7 7 7 7 7 7 7 7 7 1 2 z",
        "3 1 7 7 7 0 0",
    };
    for (const char* content : contents) {
        const Loaded loaded = Load(content);
        const Level& level = loaded.level;
        EXPECT_GE(level.width, 0) << content;
        EXPECT_LE(level.width, kMaxWidth) << content;
        EXPECT_GE(level.height, 0) << content;
        EXPECT_LE(level.height, kMaxHeight) << content;
        for (TileColor c : level.tiles) EXPECT_TRUE(IsValidColor(static_cast<int32_t>(c))) << content;
    }
    EXPECT_EQ(Load("12 4 7 7 7").level.width, 0);
    EXPECT_EQ(Load("-3 -2").level.height, 0);
    EXPECT_EQ(Load("3 3 7 7 x 7").level.Tile(1, 0), TileColor::White);
}

TEST(LevelText, PositionsOffTheBoardAreHarmless) {
    Loaded loaded = Load("2 1 7 7 -5 0 300 2 32767 -32768 0 0 1 0 0 0\nFar\n");
    Level& level = loaded.level;
    EXPECT_EQ(level.circlePos, At(-5, 0));
    EXPECT_EQ(level.trianglePos, At(32767, -32768));
    EXPECT_FALSE(level.MoveShape(At(-5, 0), -4, 0));
    EXPECT_FALSE(level.MoveShape(At(300, 2), 299, 2));
    level.ShiftRight(true);
    level.ShiftDown(true);
    level.UndoAllEdits();
    EXPECT_EQ(level.circlePos, At(-5, 0));
    std::ostringstream out;
    level.WriteLevel(out);
    // The shifts grew the board by a column and a row; the cells and positions are back.
    EXPECT_EQ(out.str(), "3 2 7 7 0 0 0 0 -5 0 300 2 32767 -32768 0 0 1 0 0 0\nFar");
}

TEST(LevelText, SaveAfterPlayWritesTheStartAndLoadsBack) {
    TempDir dir;
    ErrorRecorder rec;
    Level level = BoardFrom(kMixingBoard);
    level.name = "Mixing Colors";
    level.introText = "Intro\n";
    level.solvedText = "Solved\nAgain\n";
    level.filePath = "saved.txt";
    const Level start = level;
    ASSERT_TRUE(level.MoveShape(At(0, 0), 1, 0));
    ASSERT_TRUE(level.MoveShape(At(1, 0), 2, 0));
    level.SetTile(At(8, 6), TileColor::Red);
    level.UndoEdit();
    level.SetTile(At(5, 0), TileColor::Green);

    ASSERT_TRUE(level.SaveLevel());
    EXPECT_TRUE(rec.boxes.empty());
    EXPECT_TRUE(level.playHistory.empty());
    EXPECT_TRUE(level.editHistory.empty());
    EXPECT_EQ(std::distance(fs::directory_iterator("."), {}), 1) << "only saved.txt is left";

    Level loaded;
    loaded.filePath = "saved.txt";
    loaded.LoadLevel();
    EXPECT_TRUE(rec.boxes.empty());
    EXPECT_TRUE(loaded.SameContent(level));
    EXPECT_EQ(loaded.width, 9);   // grown by the paint at (8, 6)
    EXPECT_EQ(loaded.introText, "Intro\n") << "a save keeps the texts as read";
    EXPECT_EQ(loaded.solvedText, "Solved\nAgain\n");
    level.introText.clear();
    ASSERT_TRUE(level.SaveLevel());
    loaded.LoadLevel();
    EXPECT_EQ(loaded.introText + "|" + loaded.solvedText, "|Solved\nAgain\n");
    Level startPainted = start;
    startPainted.Tile(5, 0) = TileColor::Green;
    EXPECT_TRUE(loaded.SameContent(startPainted));
}

TEST(LevelText, FailedSaveReportsAndKeepsTheOldFileAndTheEdits) {
    TempDir dir;
    ErrorRecorder rec;
    Level level;
    level.SetTile(At(2, 0), TileColor::Red);
    level.filePath = "missing-folder/level.txt";
    EXPECT_FALSE(level.SaveLevel());
    ASSERT_EQ(rec.boxes.size(), 1u);
    EXPECT_EQ(rec.boxes[0], (ErrorRecorder::Box{"Error", "Cannot save level missing-folder/level.txt."}));
    EXPECT_EQ(level.editHistory.size(), 1u) << "nothing was written, so the edit can be taken back";

    // The target is a folder: the write succeeds but cannot replace it, and nothing is left behind.
    dir.Write("taken/inside.txt", "keep");
    level.filePath = "taken";
    EXPECT_FALSE(level.SaveLevel());
    EXPECT_EQ(rec.boxes.size(), 2u);
    EXPECT_EQ(dir.Read("taken/inside.txt"), "keep");
    EXPECT_EQ(std::distance(fs::directory_iterator("."), {}), 1) << "only taken/ is left";

    level.filePath = "";
    EXPECT_FALSE(level.SaveLevel());
    EXPECT_EQ(rec.boxes.back().text, "Cannot save level .");
}

// A level file the player can't read may be their own level: it is named with the reason, and
// never saved over.
TEST(LevelText, AFileThatCannotBeReadIsNeverSavedOver) {
    TempDir dir;
    dir.Write("mine.txt", kDefaultLevelFile);
    const int failedStep = AsPlayerWhoCannotRead("mine.txt", [] {
        ErrorRecorder rec;
        Level level;
        level.filePath = "mine.txt";
        level.LoadLevel();
        const std::string why = "mine.txt can't be read: Permission denied.";
        if (rec.boxes.size() != 1 || rec.boxes[0].text != "Cannot load level mine.txt. " + why)
            return 1;
        level.SetTile(At(3, 3), TileColor::Red);
        if (level.SaveLevel() || rec.boxes.size() != 2) return 2;
        return rec.boxes[1].text == "Cannot save level mine.txt. " + why + " The file stays as it is."
                   ? 0 : 3;
    });
    EXPECT_EQ(failedStep, 0) << "1: the load's box, 2: the save, 3: its box";
    EXPECT_EQ(dir.Read("mine.txt"), kDefaultLevelFile);
}

TEST(LevelText, ParseLevelStringSetsTheTexts) {
    const Level level = ParseLevelString("3 3 2 7 2 7 2 7 7 7 7 0 0 1 0 2 0 0 2 1 2 2 2", "Yellow",
                                         "intro\n", "done", "./graphics/tutorial5.png");
    EXPECT_EQ(level.width, 3);
    EXPECT_EQ(level.Tile(1, 1), TileColor::Yellow);
    EXPECT_EQ(level.Tile(0, 1), TileColor::White);
    EXPECT_EQ(level.starPos, At(1, 0));
    EXPECT_EQ(level.triangleGoal, At(2, 2));
    EXPECT_EQ(level.name, "Yellow");
    EXPECT_EQ(level.introText, "intro\n");
    EXPECT_EQ(level.solvedText, "done");
    EXPECT_EQ(level.picturePath, "./graphics/tutorial5.png");
    EXPECT_EQ(level.filePath, "");
    EXPECT_EQ(level.status, LevelStatus::Locked);

    // The new level's white tiles do not survive outside the parsed size.
    const Level tiny = ParseLevelString("1 1 4 0 0 0 0 0 0 0 0 0 0 0 0", "", "", "", "");
    EXPECT_EQ(tiny.Tile(0, 0), TileColor::Blue);
    EXPECT_EQ(tiny.Tile(1, 0), TileColor::Black);
    EXPECT_EQ(tiny.Tile(0, 1), TileColor::Black);
}

}  // namespace
