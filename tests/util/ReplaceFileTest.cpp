// Saving beside the file under a short name of its own, through links, and what a failure or a
// cut-off save leaves.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>

#include "support/FullDisk.h"
#include "support/TempDir.h"
#include "util/ReplaceFile.h"

using namespace qv;
namespace fs = std::filesystem;

namespace {

// Every file name in the folder, sorted.
std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

mode_t Mode(const std::string& path) {
    struct stat status {};
    stat(path.c_str(), &status);
    return status.st_mode & 07777;
}

}  // namespace

TEST(ReplaceFile, LongNamesLinksAndPermissionsSurviveASave) {
    TempDir dir;
    // A name as long as a file name can be: "name.tmp" would be too long.
    const std::string longName = "levels/" + std::string(251, 'n') + ".txt";
    dir.Write(longName, "old");
    ASSERT_TRUE(ReplaceFile(longName, "new"));
    EXPECT_EQ(dir.Read(longName), "new");

    // A link keeps pointing at its target, which takes the new bytes and keeps its mode.
    dir.Write("data/level.txt", "old");
    fs::permissions("data/level.txt", fs::perms(0640));
    fs::create_symlink("data/level.txt", "linked.txt");
    std::string why;
    ASSERT_TRUE(ReplaceFile("linked.txt", "new", &why)) << why;
    EXPECT_TRUE(fs::is_symlink("linked.txt"));
    EXPECT_EQ(dir.Read("data/level.txt"), "new");
    EXPECT_EQ(Mode("data/level.txt"), 0640u);
    // A link to a device is no file of the game's: the link itself is replaced.
    fs::create_symlink("/dev/null", "progress.save");
    ASSERT_TRUE(ReplaceFile("progress.save", "saved"));
    EXPECT_FALSE(fs::is_symlink("progress.save"));
    EXPECT_EQ(dir.Read("progress.save"), "saved");

    // A new file takes the umask, but never loses its owner's reading and writing.
    const mode_t previous = umask(0277);
    ASSERT_TRUE(ReplaceFile("new.txt", "x"));
    umask(previous);
    EXPECT_EQ(Mode("new.txt"), 0600u);

    EXPECT_EQ(Names("."), (std::vector<std::string>{"data", "levels", "linked.txt", "new.txt",
                                                   "progress.save"}));
    EXPECT_EQ(Names("data"), std::vector<std::string>{"level.txt"});
}

TEST(ReplaceFile, AFullDiskKeepsTheOldFileAndSaysWhy) {
    TempDir dir;
    dir.Write("progress.save", "old");
    std::string why;
    {
        FullDisk full;
        EXPECT_FALSE(ReplaceFile("./progress.save", "new", &why));
    }
    EXPECT_EQ(why, "writing ./progress.save failed: File too large");
    EXPECT_EQ(dir.Read("progress.save"), "old");
    EXPECT_EQ(Names("."), std::vector<std::string>{"progress.save"});
    EXPECT_FALSE(ReplaceFile("no/folder/file", "x", &why));
    EXPECT_EQ(why, "creating a file beside no/folder/file failed: No such file or directory");
}

TEST(ReplaceFile, OnlyStaleTemporariesOfTheGameAreRemoved) {
    TempDir dir;
    const auto anHourAgo = fs::file_time_type::clock::now() - std::chrono::hours(1);
    for (const char* name : {".quorvellan-save-a1B2c3", ".quorvellan-save-Xy9", "notes.tmp",
                             ".quorvellan-save-fresh1"}) {
        dir.Write(name, "x");
        if (std::string(name) != ".quorvellan-save-fresh1") fs::last_write_time(name, anHourAgo);
    }
    EXPECT_TRUE(IsSaveTemporary(".quorvellan-save-a1B2c3"));
    RemoveStaleSaveTemporaries(".");
    RemoveStaleSaveTemporaries("no such folder");
    // A save running in another game right now may own the fresh one.
    EXPECT_EQ(Names("."), (std::vector<std::string>{".quorvellan-save-Xy9",
                                                   ".quorvellan-save-fresh1", "notes.tmp"}));
}
