#pragma once
// The game's error boxes. Each shows a title and a text to the player and returns when the
// player has read it; "fatal" only asks the main loop to stop after its current pass.
// Nothing here knows how a box is shown: the shell installs the platform's sink at start-up,
// and tools and tests install their own.
#include <functional>
#include <string>

namespace qv {

void ReportError(const std::string& message);       // "Error"
void ReportFatalError(const std::string& message);  // "Fatal Error", then the fatal handler

// Where boxes go. Until another is installed, each box is one "Title: text" line on standard
// error, which is all a command-line tool needs.
class ErrorSink {
public:
    virtual ~ErrorSink() = default;
    virtual void Show(const std::string& title, const std::string& text) = 0;
};

// Writes each box as one "Title: text" line on standard error.
ErrorSink& StandardErrorSink();

// Installs a sink (nullptr: the standard error one) and returns the one it replaced.
ErrorSink* SetErrorSink(ErrorSink* sink);

// Shows one box through the current sink; every report operation ends here.
void ShowErrorBox(const std::string& title, const std::string& text);

// What a fatal report does after its box: the shell sets this to Quit.
void SetFatalHandler(std::function<void()> handler);
void RunFatalHandler();

}  // namespace qv
