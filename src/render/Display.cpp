#include "render/Display.h"

#include <algorithm>
#include <utility>

#include "platform/SdlErrorReport.h"
#include "render/Surface.h"

namespace qv {

namespace {

// Smaller than this a window shows nothing readable; the display keeps at least this size.
constexpr PixelSize kSmallestDisplay{160, 120};

PixelSize AtLeastSmallest(PixelSize size) {
    return PixelSize{std::max(size.width, kSmallestDisplay.width),
                     std::max(size.height, kSmallestDisplay.height)};
}

}  // namespace

Display::Display(PictureTable& table, ScreenManager& manager, FrameUpdate& displayFrame,
                 std::function<void(bool)> keepChoice)
    : pictures(table),
      screens(manager),
      frame(displayFrame),
      keepFullScreen(std::move(keepChoice)) {}

bool Display::Open(PixelSize logical, int depth, PixelSize window, bool fullScreen) {
    bitsPerPixel = depth;
    windowSize = AtLeastSmallest(window);
    const PixelSize screen = ScreenSize();  // before the first mode: SDL forgets it after
    const bool screenKnown = screen.width > 0 && screen.height > 0;
    if (!SetVideoMode(fullScreen && screenKnown ? screen : windowSize, depth, fullScreen))
        return false;
    // The pictures are loaded at this scale once the splash shows.
    const SDL_Surface* display = DisplaySurface();
    scale = DisplayScale(logical, display ? PixelSize{display->w, display->h} : windowSize);
    frame.Invalidate();
    return true;
}

void Display::Resize(PixelSize size) {
    const bool fullScreen = DisplayIsFullScreen();
    size = AtLeastSmallest(size);
    // Where the game sizes its window, its full screen has the screen's size: a window size
    // that comes meanwhile (queued before F11) is the one to come back to.
    if (fullScreen && GameSizesWindow()) {
        windowSize = size;
        return;
    }
    if (!SetVideoMode(size, bitsPerPixel, fullScreen)) {
        if (!DisplaySurface()) {
            ReportFatalSdlError("Can't set the video mode.");
            return;
        }
        ReportSdlError("Can't set the video mode.");
        return;
    }
    if (!fullScreen) windowSize = size;
    FollowDisplay();
}

void Display::SwitchFullScreen() {
    const bool on = !DisplayIsFullScreen();
    const SDL_Surface* display = DisplaySurface();
    const PixelSize before = display ? PixelSize{display->w, display->h} : scale.Display();
    const PixelSize screen = ScreenSize();
    const PixelSize window = windowSize.width > 0 ? windowSize : before;
    const PixelSize target = on && screen.width > 0 && screen.height > 0 ? screen : window;
    if (!SetVideoMode(target, bitsPerPixel, on)) {
        // The game must keep something to draw on; if even the old mode is gone, the report
        // is fatal.
        const std::string why = SDL_GetError();
        SetVideoMode(before, bitsPerPixel, !on);
        FollowDisplay();
        SDL_SetError("%s", why.c_str());
        if (!DisplaySurface()) {
            ReportFatalSdlError("Can't set the video mode.");
            return;
        }
        ReportSdlError(on ? "Can't switch to full screen." : "Can't switch to a window.");
        return;
    }
    if (on) windowSize = window;
    FollowDisplay();
    if (keepFullScreen) keepFullScreen(on);
}

void Display::LoadPictures() {
    LoadAllPictures(pictures, scale);
    picturesLoaded = true;
}

void Display::FollowDisplay() {
    // A new video mode starts from an empty picture: the next pass draws all of it.
    frame.Invalidate();
    const SDL_Surface* display = DisplaySurface();
    if (!display) return;
    const DisplayScale next(scale.Logical(), PixelSize{display->w, display->h});
    if (next.Display() == scale.Display()) return;
    scale = next;
    if (!picturesLoaded) return;
    // The new pictures are all made before the old ones go, so that no new one can take an
    // old one's address and be mistaken for it.
    PictureTable fresh;
    LoadAllPictures(fresh, scale);
    const PictureMoves moves = PictureMovesBetween(pictures, fresh);
    std::swap(pictures, fresh);
    screens.Rescale(moves);
}

}  // namespace qv
