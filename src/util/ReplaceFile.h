#pragma once
// The one way the game writes a file the player would miss: beside the old one, then renamed
// over it, so that a failed or interrupted write never leaves a cut-off or empty file.
#include <functional>
#include <string>

namespace qv {

// Writes `bytes` to a new temporary file in the folder of `path` and renames that over `path`.
// When `path` is a link to a regular file, the link stays and its target is replaced. The
// temporary file has a short name of its own (IsSaveTemporary), so a long file name can be
// saved and two games saving in one folder never write into each other's file. On failure the
// temporary file is removed, `path` keeps what it held, and `why` (when given) says which step
// failed and why. A keeper (below) that fails makes the whole call fail with its reason.
bool ReplaceFile(const std::string& path, const std::string& bytes, std::string* why = nullptr);

// Whether a file name is one of ReplaceFile's temporary files.
bool IsSaveTemporary(const std::string& fileName);

// Removes the temporary files that saves cut off (by a crash, a kill, a power cut) left in
// `folder`; files of a save that may still be running are left. Nothing else is touched.
void RemoveStaleSaveTemporaries(const std::string& folder);

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
