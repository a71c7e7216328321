#pragma once
// What a set finished for the first time tells the player: its name, how many of its levels are
// solved in par, and what comes after it.
#include <string>

namespace qv {

enum class AfterSet { NextSet, OwnLevels, Nothing };

struct SetCompletion {
    std::string setName;
    int inPar = 0;
    int levelCount = 0;
    AfterSet after = AfterSet::Nothing;
    std::string nextSetName;  // for NextSet and OwnLevels
};

}  // namespace qv
