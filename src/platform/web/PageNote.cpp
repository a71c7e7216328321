#include "platform/PageNote.h"

#include <emscripten.h>

namespace qv {

namespace {

EM_JS(void, TellPage, (const char* screen, double x, double y, double width, double height,
                       int typing, const char* text), {
    if (Module.qvScreen) {
        Module.qvScreen({ screen: UTF8ToString(screen), typing: typing !== 0, text: UTF8ToString(text),
                          field: width > 0 ? { x: x, y: y, width: width, height: height } : null });
    }
});

const char* NameOf(ScreenKind screen) {
    switch (screen) {
    case ScreenKind::Box: return "box";
    case ScreenKind::Menu: return "menu";
    case ScreenKind::Play: return "play";
    case ScreenKind::Editor: return "editor";
    }
    return "box";
}

}  // namespace

void NotePage(const PageNote& note) {
    // Called after every pass: the page hears only of changes.
    static PageNote told;
    static bool toldOnce = false;
    if (toldOnce && note == told) return;
    told = note;
    toldOnce = true;
    TellPage(NameOf(note.screen), note.fieldX, note.fieldY, note.fieldWidth, note.fieldHeight,
             note.typing ? 1 : 0, note.text.c_str());
}

}  // namespace qv
