#include "platform/ErrorBoxes.h"

#include "platform/desktop/MessageDialog.h"

namespace qv {

namespace {

// One "Title: text" line on standard error for scripts and logs, and a modal dialog for the
// player at a desktop.
class DesktopErrorSink : public ErrorSink {
public:
    void Show(const std::string& title, const std::string& text) override {
        StandardErrorSink().Show(title, text);
        ShowDesktopDialog(title, text);
    }
};

}  // namespace

ErrorSink& PlatformErrorSink() {
    static DesktopErrorSink sink;
    return sink;
}

}  // namespace qv
