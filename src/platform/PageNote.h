#pragma once
// What the page around a browser's game hears of it after every pass, to offer fingers what the
// screen needs: large buttons that send the current screen's keys, and the on-screen keyboard
// for a text field. A desktop window has no page and hears nothing.
#include <string>

namespace qv {

enum class ScreenKind { Box, Menu, Play, Editor };

struct PageNote {
    PageNote() = default;
    explicit PageNote(ScreenKind kind) : screen(kind) {}

    ScreenKind screen = ScreenKind::Box;
    // The screen's text field, in fractions of the game's picture; none when its width is 0.
    float fieldX = 0;
    float fieldY = 0;
    float fieldWidth = 0;
    float fieldHeight = 0;
    bool typing = false;  // the field takes typing now
    std::string text;     // what it holds

    bool operator==(const PageNote& other) const {
        return screen == other.screen && fieldX == other.fieldX && fieldY == other.fieldY &&
               fieldWidth == other.fieldWidth && fieldHeight == other.fieldHeight &&
               typing == other.typing && text == other.text;
    }
    bool operator!=(const PageNote& other) const { return !(*this == other); }
};

// Tells the page, when anything in the note has changed since the last.
void NotePage(const PageNote& note);

}  // namespace qv
