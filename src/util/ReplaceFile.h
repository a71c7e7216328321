#pragma once
// The one way the game writes a file the player would miss: beside the old one, then renamed
// over it, so that a failed or interrupted write never leaves a cut-off or empty file.
#include <string>

namespace qv {

// Writes `bytes` to `path` + ".tmp" and renames that over `path`. On failure the temporary
// file is removed, `path` keeps what it held, and `why` (when given) says which step failed.
bool ReplaceFile(const std::string& path, const std::string& bytes, std::string* why = nullptr);

}  // namespace qv
