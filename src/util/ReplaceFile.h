#pragma once
// The one way the game writes a file the player would miss: beside the old one, then renamed
// over it, so that a failed or interrupted write never leaves a cut-off or empty file.
#include <functional>
#include <string>

namespace qv {

// Writes `bytes` to `path` + ".tmp" and renames that over `path`. On failure the temporary
// file is removed, `path` keeps what it held, and `why` (when given) says which step failed.
// A keeper (below) that fails makes the whole call fail with the keeper's reason.
bool ReplaceFile(const std::string& path, const std::string& bytes, std::string* why = nullptr);

// Called after every successful rename with the path and the bytes now in it, for a platform
// whose working folder does not outlive the process (the browser) to copy them somewhere that
// does. Returns false, saying why, when the copy could not be made lasting.
using FileKeeper =
    std::function<bool(const std::string& path, const std::string& bytes, std::string* why)>;

// Installs the keeper (an empty one: none) and returns the one it replaced.
FileKeeper SetFileKeeper(FileKeeper keeper);

// ReplaceFile without the keeper: how the keeper writes its own copies.
bool ReplaceFileUnkept(const std::string& path, const std::string& bytes, std::string* why);

}  // namespace qv
