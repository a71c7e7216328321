#include "util/ReplaceFile.h"

#include <filesystem>
#include <fstream>
#include <system_error>
#include <utility>

namespace qv {

namespace {
FileKeeper& Keeper() {
    static FileKeeper keeper;
    return keeper;
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
    const std::string temporary = path + ".tmp";
    std::error_code ignored;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (out.fail()) {
            std::filesystem::remove(temporary, ignored);
            if (why) *why = "writing " + temporary + " failed";
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::filesystem::remove(temporary, ignored);
        if (why) *why = "replacing " + path + " failed: " + error.message();
        return false;
    }
    return true;
}

}  // namespace qv
