#pragma once
// A folder that holds copies of the files the game has written, at the same relative paths as
// in the working folder: what a browser edition keeps in its lasting storage. Plain file work,
// so it is the same on every platform and tested natively.
#include <string>
#include <vector>

namespace qv {

// Where the copy of the working folder's file `path` goes under `keptRoot`; empty for a path
// that leaves the working folder (absolute, or through ".."), which is not the game's to keep.
std::string KeptCopyPath(const std::string& keptRoot, const std::string& path);

// Copies `bytes`, the new content of the working folder's file `path`, to its KeptCopyPath,
// beside the old copy and then renamed over it. A path not to keep: true, nothing written.
bool KeepFileCopy(const std::string& keptRoot, const std::string& path, const std::string& bytes,
                  std::string* why);

// Copies every kept file back over the working folder `workRoot`, making folders as needed.
// Left-over temporary files of an interrupted copy are skipped. Returns the paths that could not
// be put back.
std::string RestoreKeptFiles(const std::string& keptRoot, const std::string& workRoot);

// Deletes the left-over temporary files of interrupted copies under `keptRoot`, which are never
// the game's files, and returns their paths (sorted), so that their stored copies can go too.
std::vector<std::string> RemoveLeftOvers(const std::string& keptRoot);

}  // namespace qv
