// "./progress.save": the level records, and the writer's output read back.
#include <array>
#include <cstdio>
#include <sstream>

#include "FuzzSupport.h"
#include "content/LevelLibrary.h"
#include "content/ProgressRecord.h"
#include "content/Settings.h"

using namespace qv;

namespace {

constexpr const char kKeptFile[] = "./kept.save";

using SetTable = std::array<LevelSet, kMaxSets>;

SetTable Sets(const LevelLibrary& library) {
    SetTable sets;
    for (int s = 0; s < kMaxSets; ++s) sets[s] = library.Set(s);
    return sets;
}

void RequireStatusesInRange(const LevelLibrary& library) {
    for (const LevelSet& set : Sets(library)) {
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
    // Every status starts Open: the library is made while the last input's file is set aside.
    std::rename(kProgressFilePath, kKeptFile);
    Settings settings;
    LevelLibrary library(settings);
    std::rename(kKeptFile, kProgressFilePath);

    std::istringstream in(AsText(data, size));
    library.ReadProgressRecords(in);
    RequireStatusesInRange(library);

    // Solving the first level must only ever open levels, whatever the file said.
    library.SelectSet(0);
    library.MarkCurrentSolved();
    RequireStatusesInRange(library);

    // Saving merges the file of the last input, which may only move statuses along; whatever
    // was read, the file written from it must read back to the statuses the library then holds.
    const SetTable read = Sets(library);
    Require(library.SaveProgress(), "the progress file is written");
    const SetTable before = Sets(library);
    for (int s = 0; s < kMaxSets; ++s) {
        for (int l = 0; l < kMaxLevelsPerSet; ++l) {
            Require(FurtherStatus(read[s].levelStatus[l], before[s].levelStatus[l]) ==
                        before[s].levelStatus[l],
                    "merging with the file on disk never takes a status back");
        }
    }
    Settings reloadedSettings;
    const LevelLibrary reloaded(reloadedSettings);
    for (int s = 0; s < reloaded.SetCount(); ++s) {
        for (int l = 0; l < reloaded.Set(s).levelCount; ++l) {
            Require(reloaded.Set(s).levelStatus[l] == before[s].levelStatus[l],
                    "a saved status reads back unchanged");
        }
    }
    return 0;
}
