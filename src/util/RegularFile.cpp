#include "util/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <utility>

namespace qv {

namespace {

// Reads up to maxBytes from fd; false on a read error.
bool ReadUpTo(int fd, std::size_t maxBytes, std::string& bytes) {
    constexpr std::size_t kChunk = 4096;
    while (bytes.size() < maxBytes) {
        const std::size_t start = bytes.size();
        bytes.resize(start + std::min(kChunk, maxBytes - start));
        const ssize_t got = read(fd, &bytes[start], bytes.size() - start);
        if (got < 0 && errno == EINTR) {
            bytes.resize(start);
            continue;
        }
        if (got <= 0) {
            bytes.resize(start);
            return got == 0;
        }
        bytes.resize(start + static_cast<std::size_t>(got));
    }
    return true;
}

}  // namespace

bool IsRegularFile(const std::string& path) {
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

bool ReadRegularFile(const std::string& path, std::size_t maxBytes, std::istringstream& in) {
    in.str(std::string());
    in.clear();
    in.setstate(std::ios::failbit);
    // Checked before opening, since opening a FIFO blocks and opening a device may act on it;
    // and again on what was opened (without blocking), in case the path changed in between.
    if (!IsRegularFile(path)) return false;
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat status {};
    std::string bytes;
    const bool whole = fstat(fd, &status) == 0 && S_ISREG(status.st_mode) &&
                       ReadUpTo(fd, maxBytes, bytes);
    close(fd);
    if (!whole) return false;
    in.str(std::move(bytes));
    in.clear();
    return true;
}

}  // namespace qv
