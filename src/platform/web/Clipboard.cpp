#include "platform/Clipboard.h"

#include <emscripten.h>

#include <cstdlib>

namespace qv {

namespace {

// The player's own paste (Ctrl+V) needs no permission: its text is taken from the page's paste
// event, which comes between the key's press and its release, where the game acts. Pages may
// also hand a code over by calling Module.qvPasteText(text) before the game reads it.
EM_JS(void, ListenForPastes, (), {
    if (Module.qvPasteText) return;
    Module.qvPasteText = (text) => { Module.qvPastedText = String(text); };
    document.addEventListener("paste", (event) => {
        const text = event.clipboardData ? event.clipboardData.getData("text") : "";
        if (text) Module.qvPasteText(text);
    });
});

// The text pasted last, or else what the browser lets the page read of the clipboard (it may
// ask the player, or refuse); empty when there is none.
EM_ASYNC_JS(char*, PastedText, (), {
    let text = Module.qvPastedText || "";
    Module.qvPastedText = "";
    if (!text && navigator.clipboard && navigator.clipboard.readText) {
        try {
            text = await navigator.clipboard.readText();
        } catch (error) {
            console.warn("The clipboard could not be read: " + error);
        }
    }
    const size = lengthBytesUTF8(text) + 1;
    const copy = _malloc(size);
    stringToUTF8(text, copy, size);
    return copy;
});

EM_ASYNC_JS(int, CopyText, (const char* text), {
    try {
        await navigator.clipboard.writeText(UTF8ToString(text));
        return 1;
    } catch (error) {
        console.warn("The clipboard refused the text: " + error);
        return 0;
    }
});

// Listening must start before the first paste, not at it.
const bool listening = (ListenForPastes(), true);

}  // namespace

bool CopyToClipboard(const std::string& text) { return CopyText(text.c_str()) != 0; }

std::optional<std::string> ReadClipboard(std::size_t maxBytes) {
    (void)listening;
    char* pasted = PastedText();
    std::string text = pasted ? pasted : "";
    std::free(pasted);
    if (text.empty()) return std::nullopt;
    if (text.size() > maxBytes) text.resize(maxBytes);
    return text;
}

}  // namespace qv
