#pragma once
// A save that reads a file, merges in what this game holds and writes it back loses an update
// when another game in the same folder does the same in between. A SaveLock held around the
// read, merge and write keeps the others' saves waiting meanwhile. It is flock(2) on the folder
// itself, so no lock file is left lying about, and the launcher takes the same lock while it
// lays the folder out.
#include <chrono>
#include <string>

namespace qv {

// A save takes milliseconds; a lock held longer belongs to a game that is stuck (stopped in a
// debugger, say), and waiting for ever would stop this one too.
constexpr std::chrono::milliseconds kSaveLockWait{2000};

class SaveLock {
public:
    // Locks the folder of `path`, waiting at most `wait` for another holder. When the lock
    // can't be had in time, or the file system has no locks, the save goes ahead unlocked:
    // as it always could before, rather than not at all.
    explicit SaveLock(const std::string& path, std::chrono::milliseconds wait = kSaveLockWait);
    ~SaveLock();
    SaveLock(const SaveLock&) = delete;
    SaveLock& operator=(const SaveLock&) = delete;

    bool Held() const { return held; }

private:
    int folder = -1;
    bool held = false;
};

}  // namespace qv
