// Only regular files are read, links to them followed, and never more than the bound; a file
// that is there but can't be read is told from one that is missing.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "support/TempDir.h"
#include "util/RegularFile.h"

using namespace qv;

TEST(RegularFile, OnlyRegularFilesAreReadUpToTheBound) {
    TempDir dir;
    dir.Write("file.txt", "0123456789");
    std::filesystem::create_symlink("file.txt", "link.txt");
    std::istringstream in;
    ASSERT_TRUE(ReadRegularFile("link.txt", 4, in));
    EXPECT_EQ(in.str(), "0123");
    EXPECT_TRUE(in.good());

    // Opening a FIFO would block and /dev/zero would never end: both are no file to read.
    ASSERT_EQ(mkfifo("fifo", 0600), 0);
    std::filesystem::create_symlink("/dev/zero", "zero");
    std::filesystem::create_directory("folder");
    for (const char* path : {"fifo", "zero", "folder", "missing", ""}) {
        EXPECT_FALSE(ReadRegularFile(path, 4, in)) << path;
        EXPECT_TRUE(in.fail() && in.str().empty()) << path;
        EXPECT_FALSE(IsRegularFile(path)) << path;
    }
    EXPECT_TRUE(IsRegularFile("link.txt"));
}

TEST(RegularFile, AFileThatCannotBeReadIsNotMissing) {
    TempDir dir;
    dir.Write("kept.save", "mine");
    std::istringstream in;
    std::string why;
    EXPECT_EQ(ReadSavedFile("kept.save", 64, in, &why), FileRead::Read);
    EXPECT_EQ(in.str(), "mine");
    for (const char* path : {"missing", "fifo", "kept.save/none"}) {
        if (std::string(path) == "fifo") mkfifo(path, 0600);
        EXPECT_EQ(ReadSavedFile(path, 64, in, &why), FileRead::Missing) << path;
    }
    // An I/O error, even for root: the kernel's view of memory fails to read at address 0.
    std::filesystem::create_symlink("/proc/self/mem", "broken.save");
    EXPECT_EQ(ReadSavedFile("broken.save", 64, in, &why), FileRead::Unreadable);
    EXPECT_EQ(why, "broken.save can't be read: Input/output error");
    EXPECT_TRUE(in.fail() && in.str().empty());
    // No permission; root reads any file, so only a player can see this one.
    chmod("kept.save", 0);
    if (geteuid() != 0) {
        EXPECT_EQ(ReadSavedFile("kept.save", 64, in, &why), FileRead::Unreadable);
        EXPECT_EQ(why, "kept.save can't be read: Permission denied");
    }
}
