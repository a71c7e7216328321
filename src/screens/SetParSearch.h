#pragma once
// Works out, a slice per pass, the par of each level of the player's own set that the player
// has a record for but whose par this run has not worked out yet: what the menu's in-par marks
// and the count of a finished set need, without ever holding up the screen for it.
#include <string>

#include "content/LevelLibrary.h"
#include "screens/SlicedSolve.h"

namespace qv {

class SetParSearch {
public:
    explicit SetParSearch(LevelLibrary& levelLibrary) : library(levelLibrary) {}

    // Whether such a level is left in the current set, or a search for one still runs.
    bool Pending() const;
    // Searches for one slice; true when that made a par known to the library.
    bool Step();

private:
    LevelLibrary& library;
    SlicedSolve search;
    std::string key;  // of the level being searched, which stays its key if the set changes
};

}  // namespace qv
