#include "util/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
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

// What a failed stat, open or read means: nothing there (no such name, a part of the path that
// is not a folder, a path too long to name anything), or a file that is there but can't be read.
FileRead Failure(const std::string& path, int error, std::string* why) {
    if (error == ENOENT || error == ENOTDIR || error == ENAMETOOLONG) return FileRead::Missing;
    if (why) *why = path + " can't be read: " + std::strerror(error);
    return FileRead::Unreadable;
}

}  // namespace

bool IsRegularFile(const std::string& path) {
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

bool ReadRegularFile(const std::string& path, std::size_t maxBytes, std::istringstream& in) {
    return ReadSavedFile(path, maxBytes, in) == FileRead::Read;
}

FileRead ReadSavedFile(const std::string& path, std::size_t maxBytes, std::istringstream& in,
                       std::string* why) {
    in.str(std::string());
    in.clear();
    in.setstate(std::ios::failbit);
    // Checked before opening, since opening a FIFO blocks and opening a device may act on it;
    // and again on what was opened (without blocking), in case the path changed in between.
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) return Failure(path, errno, why);
    if (!S_ISREG(status.st_mode)) return FileRead::Missing;
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return Failure(path, errno, why);
    std::string bytes;
    int error = 0;
    bool regular = false;
    if (fstat(fd, &status) != 0)
        error = errno;
    else if ((regular = S_ISREG(status.st_mode)) && !ReadUpTo(fd, maxBytes, bytes))
        error = errno;
    close(fd);
    if (error != 0) return Failure(path, error, why);
    if (!regular) return FileRead::Missing;
    in.str(std::move(bytes));
    in.clear();
    return FileRead::Read;
}

}  // namespace qv
