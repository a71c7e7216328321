// The folder lock around a save's read, merge and write: a second holder waits for it, and
// gives up after its wait rather than hanging behind a game that is stuck.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <chrono>

#include "support/TempDir.h"
#include "util/SaveLock.h"

using namespace qv;

TEST(SaveLock, KeepsOtherSavesOutUntilReleased) {
    TempDir dir;
    // flock locks belong to an open folder, so a second one in this process stands for
    // another game.
    const int other = open(".", O_RDONLY | O_DIRECTORY);
    {
        const SaveLock lock("./progress.save");
        EXPECT_TRUE(lock.Held());
        EXPECT_NE(flock(other, LOCK_EX | LOCK_NB), 0) << "the folder is locked";

        const auto start = std::chrono::steady_clock::now();
        const SaveLock second("records.save", std::chrono::milliseconds(50));
        EXPECT_FALSE(second.Held());
        EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(50));
    }
    EXPECT_EQ(flock(other, LOCK_EX | LOCK_NB), 0) << "released with the lock";
    close(other);
    EXPECT_FALSE(SaveLock("no/such/folder/file").Held());
}
