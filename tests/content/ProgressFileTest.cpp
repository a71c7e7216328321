#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <utility>

#include "ContentFiles.h"
#include "content/Settings.h"
#include "support/ErrorRecorder.h"
#include "support/FullDisk.h"
#include "support/Unreadable.h"

using namespace qv;

TEST(ProgressRecord, EncodingMatchesTheFileLayout) {
    const ProgressBytes bytes = EncodeProgressRecord(2, 13, LevelStatus::Solved);
    EXPECT_EQ(bytes.a, 0x06);
    EXPECT_EQ(bytes.b, 0x13);
    const ProgressRecord record = DecodeProgressRecord({0x06, 0x0A});
    EXPECT_EQ(record.set, 1);
    EXPECT_EQ(record.level, 9);
    EXPECT_EQ(record.status, LevelStatus::Solved);
}

TEST(ProgressFile, FirstRunCreatesDefaults) {
    TempDir dir;
    ErrorRecorder errors;
    WriteSets(dir, {3, 2});
    auto library = MakeLibrary();
    library->userSettings.musicVolume = 1;
    library->userSettings.fullscreen = true;
    library->CreateDefaultProgress();

    const std::vector<uint8_t> bytes = ReadBytes(dir, "progress.save");
    ASSERT_EQ(bytes.size(), 3u + 2u * (9 + 3 + 2));
    EXPECT_EQ((std::vector<uint8_t>(bytes.begin(), bytes.begin() + 3)),
              (std::vector<uint8_t>{64, 128, 0}));
    EXPECT_EQ(library->userSettings.musicVolume, 64);
    EXPECT_FALSE(library->userSettings.fullscreen);

    std::map<std::pair<int, int>, LevelStatus> statuses;
    for (const ProgressRecord& record : ReadRecords(dir)) {
        statuses[{record.set, record.level}] = record.status;
        const bool open = (record.set == 0 && record.level == 0) || record.set == 2;
        EXPECT_EQ(record.status, open ? LevelStatus::Open : LevelStatus::Locked)
            << "set " << record.set << " level " << record.level;
    }
    EXPECT_EQ(statuses.size(), 14u);  // one record per level
    // The working copies follow the new table.
    EXPECT_EQ(library->LevelAt(0).status, LevelStatus::Open);
    EXPECT_EQ(library->LevelAt(1).status, LevelStatus::Locked);
    EXPECT_TRUE(errors.boxes.empty());

    dir.Write("progress.save", "x");
    library->CreateDefaultProgress();
    EXPECT_EQ(dir.Read("progress.save"), "x");  // an existing file is never replaced
}

TEST(ProgressFile, ReadsRawRecordsAndIgnoresWhatDoesNotFit) {
    TempDir dir;
    WriteSets(dir, {10, 20, 20, 20});
    WriteProgress(dir, {
        0x06, 0x0A,  // set 1 level 9 solved; B is a line feed
        0x09, 0x20,  // set 4 level 2 locked; both bytes look like whitespace
        0x03, 0x00,  // tutorial level 0 with status 3
        0x02, 0x30,  // set 6
        0x0E, 0x05,  // set 0 level 23
        0x0E,        // an odd last byte
    });
    auto library = MakeLibrary();
    EXPECT_EQ(library->Set(1).levelStatus[9], LevelStatus::Solved);
    EXPECT_EQ(library->Set(1).levelStatus[8], LevelStatus::Open);  // no record
    EXPECT_EQ(library->Set(4).levelStatus[2], LevelStatus::Locked);
    EXPECT_EQ(library->Set(0).levelStatus[0], LevelStatus::Solved);
    EXPECT_EQ(library->LevelAt(0).status, LevelStatus::Solved);
    EXPECT_EQ(library->Set(0).levelStatus[3], LevelStatus::Open);
}

TEST(ProgressFile, SaveAndLoadGiveTheSameStatuses) {
    TempDir dir;
    WriteSets(dir, {5, 20});
    auto library = MakeLibrary();
    library->userSettings.musicVolume = 300;  // only the low byte is stored
    library->userSettings.soundVolume = 0;
    library->userSettings.fullscreen = true;
    SetStatus(*library, 0, 8, LevelStatus::Solved);
    SetStatus(*library, 1, 4, LevelStatus::Locked);
    SetStatus(*library, 2, 19, LevelStatus::Solved);
    ASSERT_TRUE(library->SaveProgress());

    const std::vector<uint8_t> bytes = ReadBytes(dir, "progress.save");
    ASSERT_EQ(bytes.size(), 3u + 2u * (9 + 5 + 20));
    EXPECT_EQ((std::vector<uint8_t>(bytes.begin(), bytes.begin() + 3)),
              (std::vector<uint8_t>{300 & 0xFF, 0, 1}));
    auto reloaded = MakeLibrary();
    for (int s = 0; s < 3; ++s) {
        EXPECT_EQ(reloaded->Set(s).levelStatus, library->Set(s).levelStatus) << "set " << s;
    }
}

TEST(ProgressFile, AFailedSaveKeepsTheOldFileAndIsShownOnceARun) {
    TempDir dir;
    ErrorRecorder errors;
    WriteSets(dir, {3});
    WriteProgress(dir, {0x06, 0x08});
    const std::string before = dir.Read("progress.save");
    auto library = MakeLibrary();
    const std::string failure =
        "Cannot save progress. Writing ./progress.save failed: File too large.";
    {
        FullDisk full;
        EXPECT_FALSE(library->SaveProgress());
        EXPECT_FALSE(library->SaveProgress());  // said on standard error only
    }
    EXPECT_EQ(errors.boxes, (std::vector<ErrorRecorder::Box>{{"Error", failure}}));
    EXPECT_EQ(library->ProgressSaveFailure(), failure);
    EXPECT_EQ(dir.Read("progress.save"), before);

    // A first start that cannot write the file shows nothing: start-up names the failure.
    std::filesystem::remove("progress.save");
    auto first = MakeLibrary();
    {
        FullDisk full;
        first->CreateDefaultProgress();
    }
    EXPECT_EQ(first->ProgressSaveFailure(), failure);
    EXPECT_EQ(errors.boxes.size(), 1u);
    EXPECT_TRUE(library->SaveProgress());
    EXPECT_EQ(library->ProgressSaveFailure(), "");
}

// A progress file the player can't read is never replaced by a fresh one: start-up stops,
// naming it, and a save later in a run is refused with the same reason.
TEST(ProgressFile, AFileThatCannotBeReadIsLeftAsItWas) {
    TempDir dir;
    WriteSets(dir, {3});
    WriteProgress(dir, {0x06, 0x08});
    const std::string before = dir.Read("progress.save");
    const int failedStep = AsPlayerWhoCannotRead("progress.save", [] {
        ErrorRecorder errors;
        auto library = MakeLibrary();
        library->CreateDefaultProgress();
        const std::string failure =
            "Cannot save progress. ./progress.save can't be read: Permission denied.";
        if (library->ProgressSaveFailure() != failure) return 1;
        library->MarkCurrentSolved();
        if (library->SaveProgress() || errors.boxes.size() != 1) return 2;
        return errors.boxes[0].text == failure ? 0 : 3;
    });
    EXPECT_EQ(failedStep, 0) << "1: start-up, 2: the save, 3: its box";
    EXPECT_EQ(dir.Read("progress.save"), before);
}

// Two games in one folder: what one saved, the other's stale copy must not take back.
TEST(ProgressFile, ASaveKeepsWhatAnotherGameSavedSince) {
    TempDir dir;
    WriteSets(dir, {3, 2});
    auto gameA = MakeLibrary();
    gameA->CreateDefaultProgress();
    auto gameB = MakeLibrary();
    gameA->MarkCurrentSolved();  // tutorial level 0; level 1 opens
    ASSERT_TRUE(gameA->SaveProgress());

    gameB->userSettings.musicVolume = 0;  // game B switches the music off, which saves
    SetStatus(*gameB, 2, 1, LevelStatus::Solved);
    ASSERT_TRUE(gameB->SaveProgress());
    auto reloaded = MakeLibrary();
    EXPECT_EQ(reloaded->Set(0).levelStatus[0], LevelStatus::Solved);
    EXPECT_EQ(reloaded->Set(0).levelStatus[1], LevelStatus::Open);
    EXPECT_EQ(reloaded->Set(0).levelStatus[2], LevelStatus::Locked);
    EXPECT_EQ(reloaded->Set(2).levelStatus[1], LevelStatus::Solved);
    EXPECT_EQ(ReadBytes(dir, "progress.save")[0], 0);
    // Game B now shows what it saved, the menu's working copies included.
    EXPECT_EQ(gameB->Set(0).levelStatus, reloaded->Set(0).levelStatus);
    EXPECT_EQ(gameB->LevelAt(1).status, LevelStatus::Open);
}

// Two games in one folder: a setting one of them changed (F11, a volume) stays as that player
// left it when the other saves for a change of its own or a solve.
TEST(ProgressFile, SettingsFollowTheLastChangeAPlayerMade) {
    TempDir dir;
    WriteSets(dir, {3});
    WriteProgress(dir, {});  // volumes 64 and 128, a window
    auto gameA = MakeLibrary();
    auto gameB = MakeLibrary();
    ASSERT_TRUE(LoadUserSettings(gameA->userSettings));  // as start-up reads them
    ASSERT_TRUE(LoadUserSettings(gameB->userSettings));
    gameA->userSettings.fullscreen = true;  // F11 in game A
    ASSERT_TRUE(gameA->SaveProgress());
    gameB->userSettings.soundVolume = 0;  // game B switches the sound off
    ASSERT_TRUE(gameB->SaveProgress());
    gameB->MarkCurrentSolved();  // and solves a level
    ASSERT_TRUE(gameB->SaveProgress());
    gameA->userSettings.musicVolume = 0;  // game A switches the music off
    ASSERT_TRUE(gameA->SaveProgress());
    const std::vector<uint8_t> bytes = ReadBytes(dir, "progress.save");
    EXPECT_EQ((std::vector<uint8_t>(bytes.begin(), bytes.begin() + 3)),
              (std::vector<uint8_t>{0, 0, 1}));
}

// A FIFO would block the start in open() and /dev/zero feed a reader forever: each reads as a
// missing file, and no more of a progress file is read than the game ever writes.
TEST(ProgressFile, SpecialAndOversizedFilesReadAsTheGameWritesThem) {
    alarm(60);  // a reader that blocks fails the test rather than stalling the run
    TempDir dir;
    ErrorRecorder errors;
    WriteSets(dir, {2});
    std::filesystem::remove("Beta.txt");
    ASSERT_EQ(mkfifo("Beta.txt", 0600), 0);
    ASSERT_EQ(mkfifo("progress.save", 0600), 0);
    std::filesystem::create_symlink("/dev/zero", "records.save");
    EXPECT_EQ(MakeLibrary()->SetCount(), kMaxSets) << "as without Beta.txt";
    Settings settings;
    EXPECT_FALSE(LoadUserSettings(settings));
    MakeLibrary()->CreateDefaultProgress();
    EXPECT_EQ(ReadBytes(dir, "progress.save").size(), 3u + 2u * 9);
    EXPECT_TRUE(errors.boxes.empty());

    std::filesystem::remove("Beta.txt");
    WriteSets(dir, {2});
    std::filesystem::remove("s1-1.level");
    ASSERT_EQ(mkfifo("s1-1.level", 0600), 0);
    std::filesystem::remove("progress.save");
    std::filesystem::create_symlink("/dev/zero", "progress.save");
    EXPECT_EQ(MakeLibrary()->Set(0).levelStatus[1], LevelStatus::Open);
    ASSERT_EQ(errors.boxes.size(), 1u);
    EXPECT_EQ(errors.boxes[0].text, "Cannot load level s1-1.level. File not found.");

    std::filesystem::remove("progress.save");
    std::vector<uint8_t> records(kMaxProgressBytes - 3, 0);  // tutorial level 0 open, repeated
    records.push_back(0x06);                                 // past the end: never read
    records.push_back(0x0A);
    WriteProgress(dir, records);
    EXPECT_EQ(MakeLibrary()->Set(1).levelStatus[9], LevelStatus::Open);
    alarm(0);
}
