// Level links as a browser hands them over: any fragment is read or refused with a reason, and
// a level that is read keeps a sound board and comes back the same through its own link.
#include "FuzzSupport.h"
#include "puzzle/Level.h"
#include "puzzle/LevelLink.h"

using namespace qv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string why;
    const auto level = ReadLevelLink(AsText(data, size), &why);
    if (!level) {
        Require(!why.empty(), "a refused link says why");
        return 0;
    }
    RequireSoundLevel(*level);
    const std::string again = LevelLinkFragment(*level);
    Require(again.size() <= kMaxLevelLinkChars, "a level's own link is never refused as too long");
    const auto back = ReadLevelLink(again, &why);
    Require(back && back->SameContent(*level), "a level comes back the same through its link");
    return 0;
}
