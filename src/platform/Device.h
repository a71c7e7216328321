#pragma once
// What the player plays with, as far as the game's rules differ by it: whether there is
// anything to quit to, and whether fingers rather than a mouse do the pointing. The shell asks
// once at start and hands the answer to the screens in their context; tests set their own.

namespace qv {

struct DeviceTraits {
    // A desktop window can be closed; a page in a browser has nothing to quit to, so its menu
    // shows no Quit and Escape there does nothing.
    bool canQuit = true;
    // A phone or tablet: a swipe on a shape moves it, and the texts speak of taps and swipes.
    bool touchFirst = false;
};

DeviceTraits ThisDevice();

}  // namespace qv
