#pragma once
// The message box openers besides OpenMessageBox (declared with the shell in app/Application.h).
#include <cstdint>
#include <string>

inline constexpr const char* kOkButtonFile = "./gui/messages/ok.button";

// A box with an OK button and the picture read from `picturePath` (none when it is empty).
void OpenMessageBoxFromFile(const std::string& title, const std::string& text,
                            const std::string& picturePath);

// Shows a box with the buttons of the non-empty leading files and waits, running the loop's
// passes itself, until one is clicked. Returns its index, or -1 when the program is quitting;
// boxResult is back at -1 afterwards.
int32_t RunChoiceBox(const std::string& title, const std::string& text,
                     const std::string& button0, const std::string& button1,
                     const std::string& button2);
