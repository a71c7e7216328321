#pragma once
// The game's error boxes. Each shows a title and a text to the player and returns when the
// player has read it; "fatal" only asks the main loop to stop after its current pass.
// This half needs no SDL, so the puzzle rules and file readers can report through it.
#include <functional>
#include <string>

void ReportError(const std::string& message);       // "Error"
void ReportFatalError(const std::string& message);  // "Fatal Error", then the fatal handler

// Where boxes go. The default sink prints "Title: text" on standard error and, on a desktop,
// shows a modal dialog (see MessageDialog.h). Tests install a recorder instead.
class ErrorSink {
public:
    virtual ~ErrorSink() = default;
    virtual void Show(const std::string& title, const std::string& text) = 0;
};

// Installs a sink (nullptr: the default one) and returns the one it replaced.
ErrorSink* SetErrorSink(ErrorSink* sink);

// Shows one box through the current sink; the four Report operations all end here.
void ShowErrorBox(const std::string& title, const std::string& text);

// What a fatal report does after its box: the shell sets this to Quit.
void SetFatalHandler(std::function<void()> handler);
void RunFatalHandler();
