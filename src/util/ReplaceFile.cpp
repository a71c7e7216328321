#include "util/ReplaceFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <utility>

namespace qv {

namespace fs = std::filesystem;

namespace {

// Hidden, and the same for every save: "." + kTemporaryStem + six characters from mkstemp.
constexpr const char kTemporaryStem[] = ".quorvellan-save-";
constexpr std::size_t kUniqueChars = 6;
// A save takes milliseconds; a temporary file this old was left by one that was cut off.
constexpr auto kStaleAfter = std::chrono::minutes(1);

FileKeeper& Keeper() {
    static FileKeeper keeper;
    return keeper;
}

std::string Reason(const std::string& step, int error) {
    return step + " failed: " + std::strerror(error);
}

// The file a save replaces: through a link to a regular file its target, so the link stays
// and its target does not go stale; anything else (a link to nothing or to a device) is itself.
std::string WriteTarget(const std::string& path) {
    std::error_code error;
    if (!fs::is_symlink(path, error) || !fs::is_regular_file(path, error)) return path;
    const fs::path target = fs::canonical(path, error);
    return error ? path : target.string();
}

// The old file's permissions, or those a new file gets, so a save never changes who may read it.
// The umask never takes the owner's own reading and writing: a save the game cannot read back
// is lost (and Emscripten reports a umask of 0777).
mode_t ModeFor(const std::string& target) {
    struct stat status {};
    if (stat(target.c_str(), &status) == 0) return status.st_mode & 07777;
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~(mask & 0077);
}

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = write(fd, bytes.data() + done, bytes.size() - done);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) return false;
        done += static_cast<std::size_t>(wrote);
    }
    return true;
}

}  // namespace

FileKeeper SetFileKeeper(FileKeeper keeper) {
    FileKeeper previous = std::move(Keeper());
    Keeper() = std::move(keeper);
    return previous;
}

bool ReplaceFile(const std::string& path, const std::string& bytes, std::string* why) {
    if (!ReplaceFileUnkept(path, bytes, why)) return false;
    // A copy: the keeper may install another while it runs.
    const FileKeeper keeper = Keeper();
    std::string keeperWhy;
    if (keeper && !keeper(path, bytes, &keeperWhy)) {
        if (why) *why = "keeping " + path + " failed: " + keeperWhy;
        return false;
    }
    return true;
}

bool ReplaceFileUnkept(const std::string& path, const std::string& bytes, std::string* why) {
    std::string failure;
    const std::string target = WriteTarget(path);
    const fs::path folder = fs::path(target).parent_path();
    std::string temporary =
        ((folder.empty() ? fs::path(".") : folder) / kTemporaryStem).string() + "XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) {
        if (why) *why = Reason("creating a file beside " + path, errno);
        return false;
    }
    // Written whole and on the disk before the rename, so a power cut never leaves the new
    // name on an empty file.
    if (fchmod(fd, ModeFor(target)) != 0 || !WriteAll(fd, bytes) || fsync(fd) != 0)
        failure = Reason("writing " + path, errno);
    if (close(fd) != 0 && failure.empty()) failure = Reason("writing " + path, errno);
    if (failure.empty() && rename(temporary.c_str(), target.c_str()) != 0)
        failure = Reason("replacing " + path, errno);
    if (failure.empty()) return true;
    unlink(temporary.c_str());
    if (why) *why = failure;
    return false;
}

bool IsSaveTemporary(const std::string& fileName) {
    const std::size_t stem = sizeof kTemporaryStem - 1;
    if (fileName.size() != stem + kUniqueChars || fileName.compare(0, stem, kTemporaryStem) != 0)
        return false;
    for (std::size_t i = stem; i < fileName.size(); ++i) {
        const char c = fileName[i];
        const bool letterOrDigit =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!letterOrDigit) return false;
    }
    return true;
}

void RemoveStaleSaveTemporaries(const std::string& folder) {
    std::error_code error;
    const auto now = fs::file_time_type::clock::now();
    for (fs::directory_iterator walk(folder, error), end; !error && walk != end;
         walk.increment(error)) {
        const fs::directory_entry& entry = *walk;
        std::error_code ignored;
        if (!IsSaveTemporary(entry.path().filename().string()) ||
            !entry.is_regular_file(ignored) || entry.is_symlink(ignored))
            continue;
        const auto written = entry.last_write_time(ignored);
        if (!ignored && now - written > kStaleAfter) fs::remove(entry.path(), ignored);
    }
}

}  // namespace qv
