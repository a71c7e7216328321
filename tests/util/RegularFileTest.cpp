// Only regular files are read, links to them followed, and never more than the bound.
#include <gtest/gtest.h>
#include <sys/stat.h>

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
