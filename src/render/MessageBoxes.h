#pragma once
// Opening message boxes: each is built over what the display shows now and asked of the screen
// manager, which parks the current screen under it once the screen's pass has ended and makes
// it current again when the box closes.
#include <SDL.h>

#include <string>
#include <vector>

#include "render/ScreenContext.h"
#include "render/ScreenManager.h"

namespace qv {

inline constexpr const char* kOkButtonFile = "./gui/messages/ok.button";

// A box with an OK button and an optional picture, which is copied in and stays the caller's.
void OpenMessageBox(ScreenContext& context, const std::string& title, const std::string& text,
                    SDL_Surface* picture);
// The same with the picture read from `picturePath` (none when it is empty).
void OpenMessageBoxFromFile(ScreenContext& context, const std::string& title,
                            const std::string& text, const std::string& picturePath);

// A box with the buttons of the non-empty leading files, which Return, Space and Escape close
// too (as kNoButton): an offer the player may pass by. `onAnswer` is told as for a question.
void OpenOfferBox(ScreenContext& context, const std::string& title, const std::string& text,
                  const std::vector<std::string>& buttonFiles, BoxAnswer onAnswer);

// A question: a box with the buttons of the non-empty leading files, which only they close.
// `onAnswer` is told the index of the one clicked, once the box is gone and the screen under it
// is current again. The game quitting meanwhile ends it without an answer.
void OpenChoiceBox(ScreenContext& context, const std::string& title, const std::string& text,
                   const std::vector<std::string>& buttonFiles, BoxAnswer onAnswer);

}  // namespace qv
