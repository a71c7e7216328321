#include "platform/ErrorBoxes.h"

#include <emscripten.h>

namespace qv {

namespace {

// The page shows the box over the game and queues any that follow. The game does not wait
// for it: a box may come before main runs, where the game can't sleep.
EM_JS(void, ShowPageBox, (const char* title, const char* text), {
    if (Module.qvShowBox) Module.qvShowBox(UTF8ToString(title), UTF8ToString(text));
});

// One "Title: text" line on the console (standard error) for logs, and a box in the page.
class WebErrorSink : public ErrorSink {
public:
    void Show(const std::string& title, const std::string& text) override {
        StandardErrorSink().Show(title, text);
        ShowPageBox(title.c_str(), text.c_str());
    }
};

}  // namespace

ErrorSink& PlatformErrorSink() {
    static WebErrorSink sink;
    return sink;
}

}  // namespace qv
