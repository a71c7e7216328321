#pragma once
// A clickable picture read from a ".button" file: idle, hover and pressed looks, an optional
// latched state, a hot key and a click sound. It shows itself through one slot of its screen's
// SpriteList and keeps that slot's picture in step with its state. Its area is in the game's
// logical units, its pictures are made at the display's scale.
#include <SDL.h>

#include <cstdint>
#include <functional>
#include <string>

#include "render/DisplayScale.h"
#include "render/SpriteList.h"
#include "render/Surface.h"

namespace qv {

class Button {
public:
    bool keyHeld = false;  // the hot key is down
    bool loaded = false;   // the ".button" file was read; the pictures are ours
    bool visible = true;
    int32_t hotKey = SDLK_UNKNOWN;
    SurfacePtr normalImage;
    SurfacePtr pressedImage;   // also the latched look
    SurfacePtr hoverImage;
    Sprite* sprite = nullptr;  // slot of the owning screen's list; not owned
    struct Area {
        int16_t x = 0;
        int16_t y = 0;
        int16_t width = 0;  // a negative size (bad data) makes an empty area
        int16_t height = 0;
    } area;
    bool toggled = false;  // latched on-state of switches and tool palettes

    // Reads the eight fields of `path` (x, y, width, height, idle, hover and pressed picture,
    // hot key), stopping at the first one that can't be read, and shows the idle look in `slot`.
    // The pictures are made at `scale`, which must outlive the button.
    void LoadButton(const std::string& path, Sprite* slot, const DisplayScale& scale);
    // Makes the pictures anew at the scale's new size (after it changed), keeping the look shown.
    void Rescale();
    // True when this event completes a click. Fed every event, not polled: a click made and
    // finished between two looks at the pointer would be lost.
    bool HandleEvent(const SDL_Event& event);
    void SetToggled(bool on);
    void Hide();
    void Show();
    // Frees the three pictures (if loaded) and takes them out of the slot.
    void FreeImages();

    bool Inside(int px, int py) const;

private:
    const DisplayScale* scale = nullptr;
    std::string normalPath;
    std::string hoverPath;
    std::string pressedPath;

    void ShowPicture(SDL_Surface* picture);
    void LoadPictures();
};

// What a button plays when it is pressed. Buttons know nothing of audio: the shell installs the
// click effect at start-up (tests install a counter); an empty player restores silence. Returns
// the player it replaced.
using ClickSoundPlayer = std::function<void()>;
ClickSoundPlayer SetClickSoundPlayer(ClickSoundPlayer player);

}  // namespace qv
