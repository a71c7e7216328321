#include "util/SaveLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <thread>

namespace qv {

SaveLock::SaveLock(const std::string& path, std::chrono::milliseconds wait) {
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    folder = open(parent.empty() ? "." : parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0) return;
    // Polled rather than blocking, so the wait has an end.
    constexpr auto kPoll = std::chrono::milliseconds(10);
    const auto giveUp = std::chrono::steady_clock::now() + wait;
    for (;;) {
        if (flock(folder, LOCK_EX | LOCK_NB) == 0) {
            held = true;
            return;
        }
        const bool taken = errno == EWOULDBLOCK || errno == EINTR;
        if (!taken || std::chrono::steady_clock::now() >= giveUp) return;
        std::this_thread::sleep_for(kPoll);
    }
}

SaveLock::~SaveLock() {
    // Closing the folder releases the lock.
    if (folder >= 0) close(folder);
}

}  // namespace qv
