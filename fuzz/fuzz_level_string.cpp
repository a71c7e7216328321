// The numeric level strings of the built-in levels: trusted data, but the reader must still
// keep any string within the board and report nothing.
#include "FuzzSupport.h"
#include "puzzle/Level.h"

using namespace qv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QuietErrors& errors = FreshErrors();
    const Level level = ParseLevelString(AsText(data, size), "name", "intro\n", "solved\n",
                                         "./graphics/tutorial0.png");
    RequireSoundLevel(level);
    Require(level.name == "name" && level.introText == "intro\n" &&
                level.solvedText == "solved\n" && level.picturePath == "./graphics/tutorial0.png",
            "the texts are taken from the arguments");
    Require(errors.boxes.empty(), "built-in strings show no error box");
    return 0;
}
