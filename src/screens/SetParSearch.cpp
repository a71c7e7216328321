#include "screens/SetParSearch.h"

#include <algorithm>
#include <cstdint>

#include "content/LevelLibrary.h"
#include "screens/LevelPar.h"

namespace qv {

namespace {

// The first level of the current set that is waiting for its par, or -1.
int32_t NextWaiting() {
    const LevelLibrary& library = Library();
    if (!library.currentSet) return -1;
    const int32_t count = std::min<int32_t>(library.currentSet->levelCount, kMaxLevelsPerSet);
    for (int32_t i = 0; i < count; ++i) {
        if (SetParUnknown(i) && library.moveRecords.Best(library.LevelKey(i))) return i;
    }
    return -1;
}

}  // namespace

bool SetParSearch::Pending() const { return search_.Running() || NextWaiting() >= 0; }

bool SetParSearch::Step() {
    if (!search_.Running()) {
        const int32_t index = NextWaiting();
        if (index < 0) return false;
        key_ = Library().LevelKey(index);
        StartParSearch(search_, Library().levels[index]);
    }
    if (!search_.Step()) return false;
    Library().workedOutPar[key_] = ParFound(search_.Result());
    return true;
}

}  // namespace qv
