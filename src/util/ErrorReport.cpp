#include "util/ErrorReport.h"

#include <cstdio>

namespace qv {

namespace {

class LineSink : public ErrorSink {
public:
    void Show(const std::string& title, const std::string& text) override {
        std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
        std::fflush(stderr);
    }
};

LineSink lineSink;
ErrorSink* currentSink = &lineSink;

std::function<void()>& FatalHandler() {
    static std::function<void()> handler;
    return handler;
}

}  // namespace

ErrorSink& StandardErrorSink() { return lineSink; }

ErrorSink* SetErrorSink(ErrorSink* sink) {
    ErrorSink* previous = currentSink;
    currentSink = sink ? sink : &lineSink;
    return previous;
}

void ShowErrorBox(const std::string& title, const std::string& text) {
    currentSink->Show(title, text);
}

void SetFatalHandler(std::function<void()> handler) { FatalHandler() = std::move(handler); }

void RunFatalHandler() {
    if (FatalHandler()) FatalHandler()();
}

void ReportError(const std::string& message) { ShowErrorBox("Error", message); }

void ReportFatalError(const std::string& message) {
    ShowErrorBox("Fatal Error", message);
    RunFatalHandler();
}

}  // namespace qv
