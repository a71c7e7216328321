#pragma once
// The built-in tutorial: nine levels that need no files and teach the rules one at a time.
#include "puzzle/Level.h"

namespace qv {

constexpr int kTutorialLevelCount = 9;

// The name of the tutorial set in the set list.
constexpr const char kTutorialSetName[] = "how to be smart";

// Tutorial level index (0 to kTutorialLevelCount - 1) with its board, texts and picture;
// a default new level for any other index.
Level TutorialLevel(int index);

}  // namespace qv
