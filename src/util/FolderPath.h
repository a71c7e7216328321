#pragma once
// Paths the game is handed by its own files (a set's list file names its levels): a shared
// level pack can bring such a file, so a path in it must not reach beyond the game folder.
#include <string>

namespace qv {

// Whether `path` leads outside the folder it is taken from: an absolute path, or one whose
// ".." parts climb above where it starts ("../x", "a/../../x"). Only the text is judged: a link
// inside the folder is the folder's own business (the package's folder links to shipped data).
bool LeadsOutside(const std::string& path);

}  // namespace qv
