#pragma once
// Opening and closing message boxes: the current screen is parked under the box until it closes.
#include <SDL.h>

#include <cstdint>
#include <string>

namespace qv {

inline constexpr const char* kOkButtonFile = "./gui/messages/ok.button";

// A box with an OK button and an optional picture, which is copied in and stays the caller's.
void OpenMessageBox(const std::string& title, const std::string& text, SDL_Surface* picture);
// The same with the picture read from `picturePath` (none when it is empty).
void OpenMessageBoxFromFile(const std::string& title, const std::string& text,
                            const std::string& picturePath);

// Takes the box away and makes the covered screen current again.
void CloseBox();
// The same, remembering which button closed it for RunChoiceBox.
void CloseBoxWithResult(int32_t index);

// Shows a box with the buttons of the non-empty leading files and waits, running the loop's
// passes itself, until one is clicked. Returns its index, or -1 when the program is quitting;
// boxResult is back at -1 afterwards.
int32_t RunChoiceBox(const std::string& title, const std::string& text,
                     const std::string& button0, const std::string& button1,
                     const std::string& button2);

}  // namespace qv
