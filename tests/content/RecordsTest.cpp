// "./records.save" and the shipped par table: one "<moves> <key> <tag>" line format, read
// forgivingly and written whole beside the old file; a record belongs to the board it was made on.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "ContentFiles.h"
#include "content/LevelRecords.h"
#include "content/MoveTable.h"
#include "content/Tutorial.h"
#include "puzzle/BoardTag.h"
#include "support/ErrorRecorder.h"
#include "support/FullDisk.h"
#include "support/Unreadable.h"

using namespace qv;

namespace {

// Two boards' tags.
const std::string kTag = "0b76657c";
const std::string kOther = "1234abcd";

}  // namespace

TEST(MoveTable, SkipsDamagedLinesAndKeepsTheSmallerOfTwo) {
    std::istringstream in("12 levels/a.txt\n"
                          "x3 levels/b.txt\n"         // no number
                          "7  levels/c.txt\n"          // two blanks
                          "9\n"                        // no key
                          "1234567 levels/d.txt\n"     // more than six digits
                          + std::string(400, '9') + " levels/e.txt\n"  // too long
                          "-4 levels/f.txt\n"
                          "10 levels/a.txt\n"
                          "3 tutorial/0 0b76657c\r\n"
                          "4 levels/g.txt 0B76657C\n"   // no tag: part of the key
                          "5 levels/with space.txt");  // no line feed at the end
    const MoveTable table = ReadMoveTable(in);
    EXPECT_EQ(table, (MoveTable{{"levels/a.txt", {10, ""}}, {"tutorial/0", {3, kTag}},
                                {"levels/g.txt 0B76657C", {4, ""}},
                                {"levels/with space.txt", {5, ""}}}));
    std::istringstream back(WriteMoveTable(table));
    EXPECT_EQ(ReadMoveTable(back), table);
}

// Records beyond the read limit are not read; the line the limit cuts is not a record.
TEST(MoveTable, ALineCutAtTheReadLimitIsLeftOut) {
    TempDir dir;
    std::string text;
    for (int i = 0; text.size() <= kMaxMoveTableBytes; ++i)
        text += "9 levels/" + std::to_string(i) + ".txt\n";
    ASSERT_NE(text[kMaxMoveTableBytes - 1], '\n') << "the limit must cut a line";
    dir.Write("records.save", text);
    const MoveTable table = LoadMoveTable("records.save");
    const auto wholeLines = std::count(text.begin(), text.begin() + kMaxMoveTableBytes, '\n');
    EXPECT_EQ(table.size(), static_cast<std::size_t>(wholeLines));
    for (const auto& entry : table) ASSERT_EQ(entry.first.substr(entry.first.size() - 4), ".txt");
}

TEST(LevelRecords, WritesOnlyWhenARecordImprovesAndKeepsUnknownLevels) {
    TempDir dir;
    dir.Write("records.save", "20 levels/gone.txt\nbroken line\n9 tutorial/1 0b76657c\n");
    LevelRecords records;
    records.Load();
    EXPECT_EQ(records.Best("tutorial/1", kTag), 9);
    EXPECT_EQ(records.Best("tutorial/0", kTag), std::nullopt);

    EXPECT_FALSE(records.Offer("tutorial/1", kTag, 9));
    EXPECT_FALSE(records.Offer("tutorial/1", kTag, 11));
    EXPECT_EQ(dir.Read("records.save"), "20 levels/gone.txt\nbroken line\n9 tutorial/1 0b76657c\n")
        << "nothing improved, nothing written";

    EXPECT_TRUE(records.Offer("tutorial/0", kTag, 7));
    EXPECT_TRUE(records.Offer("tutorial/1", kTag, 8));
    EXPECT_EQ(dir.Read("records.save"),
              "20 levels/gone.txt\n7 tutorial/0 0b76657c\n8 tutorial/1 0b76657c\n");
    EXPECT_FALSE(records.Offer("bad\nkey", kTag, 1));
    EXPECT_FALSE(records.Offer("tutorial/2", "", 1)) << "a record needs its board";

    records.Forget("tutorial/1");
    EXPECT_EQ(dir.Read("records.save"), "20 levels/gone.txt\n7 tutorial/0 0b76657c\n");
}

// A level changed at its path (an update, an edit) starts without a record; its old record
// gives way to the first on the new board. A line from before tags counts as before.
TEST(LevelRecords, ARecordBelongsToTheBoardItWasMadeOn) {
    TempDir dir;
    dir.Write("records.save", "5 levels/a.txt 0b76657c\n20 levels/old.txt\n");
    LevelRecords records;
    records.Load();
    EXPECT_EQ(records.Best("levels/a.txt", kOther), std::nullopt);
    EXPECT_EQ(records.Best("levels/old.txt", kOther), 20);
    EXPECT_TRUE(records.Offer("levels/a.txt", kOther, 9));
    EXPECT_EQ(dir.Read("records.save"), "9 levels/a.txt 1234abcd\n20 levels/old.txt\n");
}

TEST(LevelRecords, AFailedWriteLeavesTheOldFileWholeAndIsWrittenWithTheNextSave) {
    TempDir dir;
    dir.Write("records.save", "9 tutorial/0 0b76657c\n");
    LevelRecords records;
    records.Load();
    {
        FullDisk full;
        EXPECT_TRUE(records.Offer("tutorial/0", kTag, 7));
    }
    EXPECT_EQ(records.Best("tutorial/0", kTag), 7) << "kept for this run";
    EXPECT_EQ(dir.Read("records.save"), "9 tutorial/0 0b76657c\n");
    EXPECT_TRUE(records.Offer("tutorial/1", kTag, 4));
    EXPECT_EQ(dir.Read("records.save"), "7 tutorial/0 0b76657c\n4 tutorial/1 0b76657c\n");
}

// Records a player can't read may be records all the same: never replaced, and said so once.
TEST(LevelRecords, AFileThatCannotBeReadIsLeftAsItWas) {
    TempDir dir;
    dir.Write("records.save", "9 tutorial/0\n");
    const int boxes = AsPlayerWhoCannotRead("records.save", [] {
        ErrorRecorder errors;
        LevelRecords records;
        records.Load();
        records.Offer("tutorial/1", kTag, 5);
        records.Forget("tutorial/0");
        records.Settle({{"tutorial/2", kTag, 3}});
        return static_cast<int>(errors.boxes.size());
    });
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(dir.Read("records.save"), "9 tutorial/0\n");
}

// Two games in one folder: a record one of them saved is never lost to the other's stale table,
// and one it dropped (its level was edited) never comes back from there.
TEST(LevelRecords, ASaveKeepsWhatAnotherGameSavedOrDroppedSince) {
    TempDir dir;
    dir.Write("records.save", "9 tutorial/0 0b76657c\n6 levels/mine.txt 0b76657c\n");
    LevelRecords gameA;
    LevelRecords gameB;
    gameA.Load();
    gameB.Load();
    EXPECT_TRUE(gameA.Offer("tutorial/0", kTag, 7));
    gameA.Forget("levels/mine.txt");
    EXPECT_FALSE(gameB.Offer("tutorial/0", kTag, 8)) << "7 is the record now";
    EXPECT_TRUE(gameB.Offer("tutorial/2", kTag, 4));
    EXPECT_EQ(dir.Read("records.save"), "7 tutorial/0 0b76657c\n4 tutorial/2 0b76657c\n");
    EXPECT_EQ(gameB.Best("levels/mine.txt", kTag), std::nullopt);
}

TEST(LevelRecords, TheLibraryKeysTutorialLevelsByNumberAndOthersByListPath) {
    TempDir dir;
    WriteSets(dir, {2});
    dir.Write("records.save", "4 s1-1.level\n");
    dir.Write("levels/par.txt", "7 tutorial/0\n0 tutorial/1\n");
    auto library = MakeLibrary();
    EXPECT_EQ(library->LevelKey(3), "tutorial/3");
    EXPECT_EQ(library->Par(0), 7);
    EXPECT_FALSE(library->Par(1)) << "a par of 0 is no par";
    library->SelectSet(1);
    EXPECT_EQ(library->LevelKey(1), "s1-1.level");
    EXPECT_EQ(library->Record(1), 4);
    EXPECT_FALSE(dir.Exists("progress.save")) << "records never touch the progress file";
}

// Records and par belong to the board they were made on or found for. A record from before
// tags were kept is taken for the board the level has now, unless it beats that board's par.
TEST(LevelRecords, TheLibraryTiesRecordsAndParToTheLevelsBoards) {
    TempDir dir;
    WriteSets(dir, {2});
    const std::string tutorial0 = BoardTag(TutorialLevel(0));
    const std::string level1 =
        BoardTag(ParseLevelString("1 1 7 0 0 0 0 0 0 0 0 0 0 0 0", "", "", "", ""));
    dir.Write("levels/par.txt", "7 tutorial/0 " + tutorial0 + "\n8 tutorial/1\n" +
                                    "3 s1-0.level 00000000\n3 s1-1.level " + level1 + "\n");
    dir.Write("records.save", "9 tutorial/0\n4 tutorial/1\n2 s1-0.level\n5 s1-1.level\n");
    auto library = MakeLibrary();
    EXPECT_EQ(dir.Read("records.save"), "2 s1-0.level " + level1 + "\n5 s1-1.level " + level1 +
                                            "\n9 tutorial/0 " + tutorial0 + "\n")
        << "4 moves are fewer than tutorial 1 allows: made on another board";
    EXPECT_EQ(library->Record(0), 9);
    EXPECT_EQ(library->Record(1), std::nullopt);

    library->SelectSet(1);
    EXPECT_EQ(library->Par(0), std::nullopt) << "par found for another board";
    EXPECT_EQ(library->Par(1), 3);
    dir.Write("s1-1.level", "2 1 7 7 0 0 0 0 0 0 0 0 0 0 0 0\ns1-1\n");
    library->SelectSet(1);
    EXPECT_EQ(library->Record(1), std::nullopt) << "the level changed: its record is gone";
    EXPECT_EQ(library->Par(1), std::nullopt);
}

// A locked level can't be played yet: a record does not show it finished.
TEST(LevelRecords, ALockedLevelShowsNoFinish) {
    TempDir dir;
    WriteSets(dir, {1});
    dir.Write("levels/par.txt", "3 s1-0.level\n");
    dir.Write("records.save", "3 s1-0.level\n");
    auto library = MakeLibrary();
    library->SelectSet(1);
    EXPECT_TRUE(library->SolvedInPar(0));
    SetStatus(*library, 1, 0, LevelStatus::Locked);
    library->SelectSet(1);
    EXPECT_FALSE(library->SolvedInPar(0));
}
