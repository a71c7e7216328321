// "Beta.txt": up to five entries of a set name line and a list file line.
#include <sstream>

#include "FuzzSupport.h"
#include "content/LevelLibrary.h"
#include "content/Settings.h"

using namespace qv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FreshErrors();
    EnterScratchFolder();
    static Settings settings;
    static LevelLibrary library(settings);
    std::istringstream in(AsText(data, size));
    library.ReadSetList(in);

    Require(library.SetCount() >= 1 && library.SetCount() <= kMaxSets, "setCount within 1..6");
    Require(library.Set(0).name == "how to be smart", "the tutorial set is kept");
    for (int i = 1; i < kMaxSets; ++i) {
        const LevelSet& set = library.Set(i);
        Require(set.name.size() <= kMaxSetNameChars, "a set name fits its line limit");
        Require(set.listFile.size() <= kMaxPathChars, "a list path fits its line limit");
        Require(set.name.empty() == set.listFile.empty(), "a set has both a name and a list");
        // Sets beyond the count would be playable but never saved.
        if (i >= library.SetCount()) Require(set.name.empty(), "no named set beyond setCount");
        if (i < library.SetCount()) Require(!set.name.empty(), "every set below setCount is named");
    }
    return 0;
}
