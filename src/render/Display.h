#pragma once
// The display the game draws on: its video mode (a window the player can resize, or the whole
// screen), the scale of the game's picture on it, and what a new size sets going: the shared
// pictures made anew at the new scale, every screen's own with them (keeping everything else:
// a level half played, a box open, a drag), and the whole picture drawn again. One for the
// process: the shell opens it; the event queue hands it the window's new sizes and F11. The
// web edition's page resizes it the same way: it sets the canvas's size, and the resize event
// that follows reaches Resize.
#include <functional>

#include "platform/VideoMode.h"
#include "render/DisplayScale.h"
#include "render/FrameUpdate.h"
#include "render/MediaStore.h"
#include "render/ScreenManager.h"

namespace qv {

class Display {
public:
    // The pictures it makes anew for the screens of `screens`, whose picture `frame` records;
    // F11's choice is told to `keepFullScreen`. Until Open, the scale is 1 at 800 by 600.
    Display(PictureTable& pictures, ScreenManager& screens, FrameUpdate& frame,
            std::function<void(bool fullScreen)> keepFullScreen);
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    const DisplayScale& Scale() const { return scale; }
    // The window's size: the display's while it is a window, the one to come back to from the
    // full screen.
    PixelSize WindowSize() const { return windowSize; }

    // Sets the first video mode: a window of `window` pixels or the full screen, showing a
    // picture of `logical` units. False (SDL's error set) when SDL can't.
    bool Open(PixelSize logical, int bitsPerPixel, PixelSize window, bool fullScreen);
    // The window (or the page's canvas) has this size now: the video mode follows, and the
    // scale, the pictures and the screens.
    void Resize(PixelSize size);
    // F11: the full screen at the screen's own size, or back to the window's size.
    void SwitchFullScreen();
    // Fills the shared picture table at the scale: once the splash shows, and from then on
    // again at every new scale.
    void LoadPictures();

private:
    PictureTable& pictures;
    ScreenManager& screens;
    FrameUpdate& frame;
    std::function<void(bool)> keepFullScreen;
    DisplayScale scale;
    PixelSize windowSize;
    int bitsPerPixel = 32;
    bool picturesLoaded = false;

    // The scale follows the display surface's size; when it changed, the pictures and the
    // screens follow too.
    void FollowDisplay();
};

}  // namespace qv
