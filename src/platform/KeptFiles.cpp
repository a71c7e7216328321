#include "platform/KeptFiles.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "util/ReplaceFile.h"

namespace qv {

namespace fs = std::filesystem;

namespace {

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// Left-overs of a copy cut off: ReplaceFile's, or the ".tmp" files earlier versions made.
bool IsLeftOver(const fs::directory_entry& entry) {
    const std::string name = entry.path().filename().string();
    std::error_code error;
    return entry.is_regular_file(error) && (IsSaveTemporary(name) || EndsWith(name, ".tmp"));
}

// The path relative to the working folder, or empty when it leaves it.
fs::path InsideWorkingFolder(const std::string& path) {
    const fs::path normal = fs::path(path).lexically_normal();
    if (normal.empty() || normal.is_absolute() || normal == ".") return {};
    for (const fs::path& part : normal) {
        if (part == "..") return {};
    }
    return normal;
}

}  // namespace

std::string KeptCopyPath(const std::string& keptRoot, const std::string& path) {
    const fs::path relative = InsideWorkingFolder(path);
    return relative.empty() ? std::string() : (fs::path(keptRoot) / relative).string();
}

bool KeepFileCopy(const std::string& keptRoot, const std::string& path, const std::string& bytes,
                  std::string* why) {
    const std::string keptPath = KeptCopyPath(keptRoot, path);
    if (keptPath.empty()) return true;
    const fs::path kept = keptPath;
    std::error_code error;
    fs::create_directories(kept.parent_path(), error);
    if (error) {
        if (why) *why = "making " + kept.parent_path().string() + " failed: " + error.message();
        return false;
    }
    return ReplaceFileUnkept(kept.string(), bytes, why);
}

std::string RestoreKeptFiles(const std::string& keptRoot, const std::string& workRoot) {
    std::string failed;
    std::error_code error;
    fs::recursive_directory_iterator walk(keptRoot, error);
    for (const fs::recursive_directory_iterator end; !error && walk != end; walk.increment(error)) {
        const fs::directory_entry& entry = *walk;
        if (!entry.is_regular_file() || IsLeftOver(entry)) continue;
        const fs::path target = fs::path(workRoot) / entry.path().lexically_relative(keptRoot);
        std::error_code copyError;
        fs::create_directories(target.parent_path(), copyError);
        if (!copyError)
            fs::copy_file(entry.path(), target, fs::copy_options::overwrite_existing, copyError);
        if (copyError) failed += (failed.empty() ? "" : ", ") + target.string();
    }
    return failed;
}

std::vector<std::string> RemoveLeftOvers(const std::string& keptRoot) {
    std::vector<std::string> removed;
    std::error_code error;
    fs::recursive_directory_iterator walk(keptRoot, error);
    for (const fs::recursive_directory_iterator end; !error && walk != end; walk.increment(error)) {
        if (IsLeftOver(*walk)) removed.push_back(walk->path().string());
    }
    for (const std::string& path : removed) fs::remove(path, error);
    std::sort(removed.begin(), removed.end());
    return removed;
}

}  // namespace qv
