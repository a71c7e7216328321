#pragma once
// The display's video mode: a window the player can resize, or the whole screen. The game's
// picture is drawn at whatever size the display has (render/Display.h scales it).
namespace qv {

struct PixelSize {
    int width = 0;
    int height = 0;
    bool operator==(const PixelSize& other) const {
        return width == other.width && height == other.height;
    }
    bool operator!=(const PixelSize& other) const { return !(*this == other); }
};

// The screen's own size: on the desktop its resolution, which SDL tells only before the first
// video mode is set, so it is read on the first call (after SDL_Init) and remembered; in a
// browser the canvas's size as the page has made it. {0, 0} when it can't be told.
PixelSize ScreenSize();

// Whether the game chooses its window's size and keeps it for the next start (the desktop), or
// the page that holds the game sizes it (a browser).
bool GameSizesWindow();

// Sets the display to `size`: in a window the player can resize, or with fullScreen over the
// whole screen (at the screen's own size there is no mode switch). In a browser the page goes
// full screen, or leaves it, and tells the canvas's new size later. False (SDL's error set)
// when SDL refuses the mode.
bool SetVideoMode(PixelSize size, int bitsPerPixel, bool fullScreen);

// Whether the display is shown full screen now (false without a display).
bool DisplayIsFullScreen();

}  // namespace qv
