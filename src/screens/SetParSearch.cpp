#include "screens/SetParSearch.h"

#include <cstdint>

#include "screens/LevelPar.h"

namespace qv {

bool SetParSearch::Pending() const {
    return search.Running() || library.NextLevelAwaitingPar() >= 0;
}

bool SetParSearch::Step() {
    if (!search.Running()) {
        const int32_t index = library.NextLevelAwaitingPar();
        if (index < 0) return false;
        key = library.LevelKey(index);
        StartParSearch(search, library.LevelAt(index));
    }
    if (!search.Step()) return false;
    library.RememberPar(key, ParFound(search.Result()));
    return true;
}

}  // namespace qv
