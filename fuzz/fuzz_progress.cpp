// "./progress.save": the level records, and the writer's output read back.
#include <fstream>
#include <sstream>

#include "FuzzSupport.h"
#include "content/LevelLibrary.h"
#include "content/ProgressRecord.h"

using namespace qv;

namespace {

void RequireStatusesInRange(const LevelLibrary& library) {
    for (const LevelSet& set : library.sets) {
        for (LevelStatus status : set.levelStatus) {
            const auto value = static_cast<int32_t>(status);
            Require(value >= 0 && value <= 3, "a stored status is a two-bit value");
        }
        const auto derived = static_cast<int32_t>(set.Status());
        Require(derived >= 0 && derived <= 2, "a set's status is Open, Locked or Solved");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FreshErrors();
    EnterScratchFolder();
    LevelLibrary& library = Library();
    for (LevelSet& set : library.sets) set.levelStatus.fill(LevelStatus::Open);

    std::istringstream in(AsText(data, size));
    library.ReadProgressRecords(in);
    RequireStatusesInRange(library);

    // Solving the first level must only ever open levels, whatever the file said.
    library.SelectSet(0);
    library.MarkCurrentSolved();
    RequireStatusesInRange(library);

    // Saving merges the file of the last input, which may only move statuses along; whatever
    // was read, the file written from it must read back to the statuses the library then holds.
    const auto read = library.sets;
    Require(library.SaveProgress(), "the progress file is written");
    const auto before = library.sets;
    for (int s = 0; s < kMaxSets; ++s) {
        for (int l = 0; l < kMaxLevelsPerSet; ++l) {
            Require(FurtherStatus(read[s].levelStatus[l], before[s].levelStatus[l]) ==
                        before[s].levelStatus[l],
                    "merging with the file on disk never takes a status back");
        }
    }
    for (LevelSet& set : library.sets) set.levelStatus.fill(LevelStatus::Open);
    std::ifstream saved(kProgressFilePath, std::ios::binary);
    library.ReadProgressRecords(saved);
    for (int s = 0; s < library.setCount; ++s) {
        for (int l = 0; l < library.sets[s].levelCount; ++l) {
            Require(library.sets[s].levelStatus[l] == before[s].levelStatus[l],
                    "a saved status reads back unchanged");
        }
    }
    return 0;
}
