#include "platform/LateFiles.h"

namespace qv {

// The game folder is on the disk, whole.
void AwaitStartFiles() {}

bool MusicAtHand(const std::string&) { return true; }

void FetchMusic(const std::string&) {}

}  // namespace qv
