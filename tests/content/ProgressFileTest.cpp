#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <utility>

#include "ContentFiles.h"
#include "content/Settings.h"
#include "support/ErrorRecorder.h"

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
    TheSettings().musicVolume = 1;
    TheSettings().fullscreen = true;
    auto library = MakeLibrary();
    library->CreateDefaultProgress();

    const std::vector<uint8_t> bytes = ReadBytes(dir, "progress.save");
    ASSERT_EQ(bytes.size(), 3u + 2u * (9 + 3 + 2));
    EXPECT_EQ((std::vector<uint8_t>(bytes.begin(), bytes.begin() + 3)),
              (std::vector<uint8_t>{64, 128, 0}));
    EXPECT_EQ(TheSettings().musicVolume, 64);
    EXPECT_FALSE(TheSettings().fullscreen);

    std::map<std::pair<int, int>, LevelStatus> statuses;
    for (const ProgressRecord& record : ReadRecords(dir)) {
        statuses[{record.set, record.level}] = record.status;
        const bool open = (record.set == 0 && record.level == 0) || record.set == 2;
        EXPECT_EQ(record.status, open ? LevelStatus::Open : LevelStatus::Locked)
            << "set " << record.set << " level " << record.level;
    }
    EXPECT_EQ(statuses.size(), 14u);  // one record per level
    // The working copies follow the new table.
    EXPECT_EQ(library->levels[0].status, LevelStatus::Open);
    EXPECT_EQ(library->levels[1].status, LevelStatus::Locked);
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
    EXPECT_EQ(library->sets[1].levelStatus[9], LevelStatus::Solved);
    EXPECT_EQ(library->sets[1].levelStatus[8], LevelStatus::Open);  // no record
    EXPECT_EQ(library->sets[4].levelStatus[2], LevelStatus::Locked);
    EXPECT_EQ(library->sets[0].levelStatus[0], LevelStatus::Solved);
    EXPECT_EQ(library->levels[0].status, LevelStatus::Solved);
    EXPECT_EQ(library->sets[0].levelStatus[3], LevelStatus::Open);
}

TEST(ProgressFile, SaveAndLoadGiveTheSameStatuses) {
    TempDir dir;
    WriteSets(dir, {5, 20});
    TheSettings().musicVolume = 300;  // only the low byte is stored
    TheSettings().soundVolume = 0;
    TheSettings().fullscreen = true;
    auto library = MakeLibrary();
    library->sets[0].levelStatus[8] = LevelStatus::Solved;
    library->sets[1].levelStatus[4] = LevelStatus::Locked;
    library->sets[2].levelStatus[19] = LevelStatus::Solved;
    ASSERT_TRUE(library->SaveProgress());

    const std::vector<uint8_t> bytes = ReadBytes(dir, "progress.save");
    ASSERT_EQ(bytes.size(), 3u + 2u * (9 + 5 + 20));
    EXPECT_EQ((std::vector<uint8_t>(bytes.begin(), bytes.begin() + 3)),
              (std::vector<uint8_t>{300 & 0xFF, 0, 1}));
    auto reloaded = MakeLibrary();
    for (int s = 0; s < 3; ++s) {
        EXPECT_EQ(reloaded->sets[s].levelStatus, library->sets[s].levelStatus) << "set " << s;
    }
}

TEST(ProgressFile, FailedSaveKeepsTheOldFile) {
    TempDir dir;
    WriteSets(dir, {3});
    WriteProgress(dir, {0x06, 0x08});
    const std::string before = dir.Read("progress.save");
    auto library = MakeLibrary();
    // A folder where the new file would be written makes the write fail.
    std::filesystem::create_directory("progress.save.tmp");

    testing::internal::CaptureStderr();
    EXPECT_FALSE(library->SaveProgress());
    const std::string message = testing::internal::GetCapturedStderr();
    EXPECT_NE(message.find("Cannot save progress"), std::string::npos) << message;
    EXPECT_EQ(dir.Read("progress.save"), before);
}
