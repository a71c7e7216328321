// The browser edition's kept files, as plain file work: every save the game makes through
// ReplaceFile is copied to the kept folder, a copy that can't be kept fails the save, and the
// kept files come back over the shipped ones at the next start.
#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include "platform/KeptFiles.h"
#include "support/TempDir.h"
#include "util/ReplaceFile.h"

using namespace qv;

namespace {

class KeptFilesTest : public ::testing::Test {
protected:
    void TearDown() override { SetFileKeeper(nullptr); }
    TempDir dir;
};

TEST_F(KeptFilesTest, EverySaveIsCopiedAndAFailedCopyFailsTheSave) {
    SetFileKeeper([](const std::string& path, const std::string& bytes, std::string* why) {
        return KeepFileCopy("kept", path, bytes, why);
    });
    dir.Write("levels/creative/05.txt", "shipped");
    ASSERT_TRUE(ReplaceFile("./progress.save", "new"));
    ASSERT_TRUE(ReplaceFile("levels/creative/05.txt", "level five"));
    ASSERT_TRUE(ReplaceFile("levels/creative/05.txt", "level five, again"));
    EXPECT_EQ(dir.Read("kept/progress.save"), "new");
    EXPECT_EQ(dir.Read("kept/levels/creative/05.txt"), "level five, again");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("kept/levels/creative"), {}), 1)
        << "only 05.txt is left";

    // Outside the working folder: not the game's to keep, and not a failure.
    std::string why;
    EXPECT_TRUE(KeepFileCopy("kept", "../elsewhere.txt", "x", &why));
    EXPECT_TRUE(KeepFileCopy("kept", dir.path() + "/abs.txt", "x", &why));
    EXPECT_FALSE(dir.Exists("elsewhere.txt"));
    EXPECT_FALSE(dir.Exists("kept/abs.txt"));

    SetFileKeeper([](const std::string&, const std::string&, std::string* reason) {
        *reason = "quota exceeded";
        return false;
    });
    EXPECT_FALSE(ReplaceFile("./progress.save", "newer", &why));
    EXPECT_EQ(why, "keeping ./progress.save failed: quota exceeded");
}

TEST_F(KeptFilesTest, RestoringPutsKeptFilesOverTheShippedOnesAndLeftoversAreRemoved) {
    dir.Write("work/levels/creative/05.txt", "shipped five");
    dir.Write("work/levels/creative/06.txt", "shipped six");
    dir.Write("kept/levels/creative/05.txt", "players five");
    dir.Write("kept/progress.save", "progress");
    dir.Write("kept/records.save.tmp", "cut off");  // an earlier version's
    dir.Write("kept/.quorvellan-save-x1Y2z3", "cut off");
    dir.Write("kept/levels/creative/.quorvellan-save-AbC123", "cut off");

    EXPECT_EQ(RestoreKeptFiles("kept", "work"), "");
    EXPECT_EQ(dir.Read("work/levels/creative/05.txt"), "players five");
    EXPECT_EQ(dir.Read("work/levels/creative/06.txt"), "shipped six");
    EXPECT_EQ(dir.Read("work/progress.save"), "progress");
    EXPECT_FALSE(dir.Exists("work/records.save.tmp"));
    EXPECT_FALSE(dir.Exists("work/.quorvellan-save-x1Y2z3"));
    EXPECT_EQ(RestoreKeptFiles("nothing kept yet", "work"), "");

    const std::vector<std::string> leftOvers = {"kept/.quorvellan-save-x1Y2z3",
                                                "kept/levels/creative/.quorvellan-save-AbC123",
                                                "kept/records.save.tmp"};
    EXPECT_EQ(RemoveLeftOvers("kept"), leftOvers);
    EXPECT_FALSE(dir.Exists("kept/records.save.tmp"));
    EXPECT_TRUE(dir.Exists("kept/levels/creative/05.txt"));
    EXPECT_TRUE(RemoveLeftOvers("kept").empty());
}

}  // namespace
