// "./records.save" and the shipped par table: one "<moves> <key>" line format, read forgivingly
// and written whole beside the old file.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "ContentFiles.h"
#include "content/LevelRecords.h"
#include "content/MoveTable.h"
#include "support/ErrorRecorder.h"
#include "support/FullDisk.h"
#include "support/Unreadable.h"

using namespace qv;

TEST(MoveTable, SkipsDamagedLinesAndKeepsTheSmallerOfTwo) {
    std::istringstream in("12 levels/a.txt\n"
                          "x3 levels/b.txt\n"         // no number
                          "7  levels/c.txt\n"          // two blanks
                          "9\n"                        // no key
                          "1234567 levels/d.txt\n"     // more than six digits
                          + std::string(400, '9') + " levels/e.txt\n"  // too long
                          "-4 levels/f.txt\n"
                          "10 levels/a.txt\n"
                          "3 tutorial/0\r\n"
                          "5 levels/with space.txt");  // no line feed at the end
    const MoveTable table = ReadMoveTable(in);
    EXPECT_EQ(table, (MoveTable{{"levels/a.txt", 10}, {"tutorial/0", 3},
                                {"levels/with space.txt", 5}}));
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
    dir.Write("records.save", "20 levels/gone.txt\nbroken line\n9 tutorial/1\n");
    LevelRecords records;
    records.Load();
    EXPECT_EQ(records.Best("tutorial/1"), 9);
    EXPECT_EQ(records.Best("tutorial/0"), std::nullopt);

    EXPECT_FALSE(records.Offer("tutorial/1", 9));
    EXPECT_FALSE(records.Offer("tutorial/1", 11));
    EXPECT_EQ(dir.Read("records.save"), "20 levels/gone.txt\nbroken line\n9 tutorial/1\n")
        << "nothing improved, nothing written";

    EXPECT_TRUE(records.Offer("tutorial/0", 7));
    EXPECT_TRUE(records.Offer("tutorial/1", 8));
    EXPECT_EQ(dir.Read("records.save"), "20 levels/gone.txt\n7 tutorial/0\n8 tutorial/1\n");
    EXPECT_FALSE(records.Offer("bad\nkey", 1));

    records.Forget("tutorial/1");
    EXPECT_EQ(dir.Read("records.save"), "20 levels/gone.txt\n7 tutorial/0\n");
}

TEST(LevelRecords, AFailedWriteLeavesTheOldFileWhole) {
    TempDir dir;
    dir.Write("records.save", "9 tutorial/0\n");
    LevelRecords records;
    records.Load();
    {
        FullDisk full;
        EXPECT_TRUE(records.Offer("tutorial/0", 7));
    }
    EXPECT_EQ(records.Best("tutorial/0"), 7) << "kept for this run";
    EXPECT_EQ(dir.Read("records.save"), "9 tutorial/0\n");
}

// Records a player can't read may be records all the same: never replaced, and said so once.
TEST(LevelRecords, AFileThatCannotBeReadIsLeftAsItWas) {
    TempDir dir;
    dir.Write("records.save", "9 tutorial/0\n");
    const int boxes = AsPlayerWhoCannotRead("records.save", [] {
        ErrorRecorder errors;
        LevelRecords records;
        records.Load();
        records.Offer("tutorial/1", 5);
        records.Forget("tutorial/0");
        return static_cast<int>(errors.boxes.size());
    });
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(dir.Read("records.save"), "9 tutorial/0\n");
}

// Two games in one folder: a record one of them saved is never lost to the other's stale table.
TEST(LevelRecords, ASaveKeepsTheRecordsAnotherGameSavedSince) {
    TempDir dir;
    dir.Write("records.save", "9 tutorial/0\n");
    LevelRecords gameA;
    LevelRecords gameB;
    gameA.Load();
    gameB.Load();
    EXPECT_TRUE(gameA.Offer("tutorial/0", 7));
    EXPECT_TRUE(gameA.Offer("tutorial/1", 5));
    EXPECT_FALSE(gameB.Offer("tutorial/0", 8)) << "7 is the record now";
    EXPECT_TRUE(gameB.Offer("tutorial/2", 4));
    EXPECT_EQ(dir.Read("records.save"), "7 tutorial/0\n5 tutorial/1\n4 tutorial/2\n");
    EXPECT_EQ(gameB.Best("tutorial/1"), 5);
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
    EXPECT_EQ(library->Records().Best(library->LevelKey(1)), 4);
    EXPECT_FALSE(dir.Exists("progress.save")) << "records never touch the progress file";
}
