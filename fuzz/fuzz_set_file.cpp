// A set's list file: one level file path a line, read when the set is chosen. The scratch
// folder holds the set list that names it, and two good level files and one bad one for the
// paths to name.
#include "FuzzSupport.h"
#include "content/LevelLibrary.h"
#include "content/Settings.h"

using namespace qv;

namespace {

constexpr const char kListPath[] = "fuzz.list";

void WriteGameFiles() {
    WriteFile("Beta.txt", std::string("fuzz\n") + kListPath + "\n");
    WriteFile("a.level", "3 1 7 7 7 0 0 1 0 2 0 2 0 1 0 0 0\nThree\nIntro\n\nSolved\n");
    WriteFile("b.level",
              "6 3 7 2 1 3 7 7 7 1 4 5 7 7 7 4 2 6 7 7 0 2 0 1 0 0 5 2 5 1 5 0\r\nMixing\r\n");
    WriteFile("bad.level", "5 2 7 7 7 7 7 7 7 8 7 7\n");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text = AsText(data, size);
    if (MayNameSpecialFiles(text)) return -1;  // -1: not added to the corpus
    FreshErrors();
    EnterScratchFolder();
    static const bool written = (WriteGameFiles(), true);
    (void)written;
    WriteFile(kListPath, text);

    // Made once, on a set list that names the list file; choosing the set reads the file anew.
    static Settings settings;
    static LevelLibrary library(settings);
    library.SelectSet(1);

    const LevelSet& set = library.Set(1);
    Require(set.levelCount >= 0 && set.levelCount <= kMaxLevelsPerSet, "levelCount within 0..20");
    Require(library.CurrentLevelIndex() >= 0 && library.CurrentLevelIndex() < kMaxLevelsPerSet,
            "the current level lies in the working array");
    for (int i = 0; i < kMaxLevelsPerSet; ++i) {
        const Level& level = library.LevelAt(i);
        RequireSoundLevel(level);
        Require(level.filePath.size() <= kMaxPathChars, "a level path fits its line limit");
    }
    // Walking through the set must stay inside it.
    for (int i = 0; i < kMaxLevelsPerSet + 1; ++i) {
        library.NextLevel();
        Require(library.CurrentLevelIndex() >= 0 && library.CurrentLevelIndex() < kMaxLevelsPerSet,
                "walking the set stays in the working array");
    }
    library.SelectSet(0);
    return 0;
}
