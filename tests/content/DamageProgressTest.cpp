// A damaged set list hides sets or levels for a run; saving progress in that run must not throw
// away what the player had earned there.
#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "ContentFiles.h"
#include "support/ErrorRecorder.h"

using namespace qv;

namespace {

using Statuses = std::map<std::pair<int, int>, LevelStatus>;

// Every record of the progress file; a second record for the same level fails the test.
Statuses RecordsOnDisk(const TempDir& dir) {
    Statuses statuses;
    for (const ProgressRecord& record : ReadRecords(dir)) {
        const bool fresh = statuses.emplace(std::make_pair(record.set, record.level), record.status).second;
        EXPECT_TRUE(fresh) << "two records for set " << record.set << " level " << record.level;
    }
    return statuses;
}

}  // namespace

TEST(DamagedInstallProgress, HiddenSetsAndLevelsKeepTheirRecords) {
    TempDir dir;
    ErrorRecorder errors;
    WriteSets(dir, {3, 2});
    WriteProgress(dir, {
        0x02, 0x08,  // set 1 level 0 solved
        0x0A, 0x08,  // set 1 level 2 solved
        0x06, 0x10,  // set 2 level 1 solved
        0x01, 0x10,  // set 2 level 0 locked
    });
    const std::string intactBeta = dir.Read("Beta.txt");
    const std::string intactList = dir.Read("set1.txt");

    // The second set's name too long to read, and the first set's list cut after one level.
    dir.Write("Beta.txt", "set1\nset1.txt\n" + std::string(60, 'n') + "\nset2.txt\n");
    dir.Write("set1.txt", "s1-0.level\n");
    {
        auto library = MakeLibrary();
        ASSERT_EQ(library->SetCount(), 2);
        ASSERT_EQ(library->Set(1).levelCount, 1);
        ASSERT_TRUE(library->SaveProgress());
    }
    const Statuses saved = RecordsOnDisk(dir);
    EXPECT_EQ(saved.at({1, 2}), LevelStatus::Solved);
    EXPECT_EQ(saved.at({2, 1}), LevelStatus::Solved);
    EXPECT_EQ(saved.at({2, 0}), LevelStatus::Locked);
    EXPECT_EQ(saved.count({1, 1}), 0u);  // never had a record, and is hidden: none is invented

    // Once the files are mended, everything is where the player left it.
    dir.Write("Beta.txt", intactBeta);
    dir.Write("set1.txt", intactList);
    auto library = MakeLibrary();
    EXPECT_EQ(library->Set(1).levelStatus[0], LevelStatus::Solved);
    EXPECT_EQ(library->Set(1).levelStatus[2], LevelStatus::Solved);
    EXPECT_EQ(library->Set(2).levelStatus[1], LevelStatus::Solved);
    EXPECT_EQ(library->Set(2).levelStatus[0], LevelStatus::Locked);
    EXPECT_TRUE(errors.boxes.empty());
}

TEST(DamagedInstallProgress, AnIntactInstallWritesOneRecordPerLevel) {
    TempDir dir;
    WriteSets(dir, {3});
    // A record for a level that exists, and out-of-range ones that are dropped as before.
    WriteProgress(dir, {0x06, 0x08, 0x02, 0xF8, 0x0E, 0x0F});
    auto library = MakeLibrary();
    library->MarkCurrentSolved();  // tutorial level 0: opens tutorial level 1
    ASSERT_TRUE(library->SaveProgress());

    const Statuses saved = RecordsOnDisk(dir);
    EXPECT_EQ(saved.size(), 9u + 3u);
    EXPECT_EQ(saved.at({1, 1}), LevelStatus::Solved);
    EXPECT_EQ(saved.at({0, 0}), LevelStatus::Solved);
}
