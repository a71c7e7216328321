#include "platform/LevelLinks.h"

#include <emscripten.h>

#include <cstdlib>

namespace qv {

namespace {

EM_JS(char*, PageFragment, (), {
    const fragment = location.hash.replace(/^#/, "");
    const size = lengthBytesUTF8(fragment) + 1;
    const text = _malloc(size);
    stringToUTF8(fragment, text, size);
    return text;
});

// The page shows the link under the game in any case; the clipboard may refuse it (no focus,
// no permission). Returns whether it took it.
EM_ASYNC_JS(int, CopyLink, (const char* fragment), {
    const link = location.href.replace(/#.*$/, "") + "#" + UTF8ToString(fragment);
    if (Module.qvShowLink) Module.qvShowLink(link);
    try {
        await navigator.clipboard.writeText(link);
        return 1;
    } catch (error) {
        console.warn("The clipboard refused the level link: " + error);
        return 0;
    }
});

// Read by the page when the address's fragment changes.
EM_JS(void, SetPageUnsavedEdits, (int unsaved), { Module.qvUnsavedEdits = unsaved !== 0; });

}  // namespace

std::string LevelLinkAtStart() {
    char* fragment = PageFragment();
    std::string taken = fragment ? fragment : "";
    std::free(fragment);
    return taken;
}

LinkOffer OfferLevelLink(const std::string& fragment) {
    return CopyLink(fragment.c_str()) ? LinkOffer::Copied : LinkOffer::Shown;
}

void NoteUnsavedEdits(bool unsaved) {
    // Called after every pass: the page hears only of changes.
    static bool noted = false;
    if (unsaved == noted) return;
    noted = unsaved;
    SetPageUnsavedEdits(unsaved ? 1 : 0);
}

}  // namespace qv
