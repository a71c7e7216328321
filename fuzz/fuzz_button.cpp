// ".button" files: eight whitespace-separated fields, then the pictures they name and the
// button's answers to pointer and key events. The scratch folder holds one small picture.
#include <SDL.h>

#include "FuzzSupport.h"
#include "render/Button.h"

using namespace qv;

namespace {

constexpr const char kButtonPath[] = "fuzz.button";

void WritePicture() {
    SDL_Surface* picture = SDL_CreateRGBSurface(SDL_SWSURFACE, 4, 3, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    Require(picture != nullptr, "the picture is made");
    Require(SDL_SaveBMP(picture, "pic.bmp") == 0, "the picture is written");
    SDL_FreeSurface(picture);
}

void NoSound() {}

SDL_Event PointerEvent(Uint8 type, int x, int y, bool held) {
    SDL_Event event{};
    event.type = type;
    if (type == SDL_MOUSEMOTION) {
        event.motion.x = static_cast<Uint16>(x);
        event.motion.y = static_cast<Uint16>(y);
        event.motion.state = held ? SDL_BUTTON(SDL_BUTTON_LEFT) : 0;
    } else {
        event.button.button = SDL_BUTTON_LEFT;
        event.button.x = static_cast<Uint16>(x);
        event.button.y = static_cast<Uint16>(y);
    }
    return event;
}

SDL_Event KeyEvent(Uint8 type, int32_t key) {
    SDL_Event event{};
    event.type = type;
    event.key.keysym.sym = static_cast<SDLKey>(key);
    return event;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text = AsText(data, size);
    if (MayNameSpecialFiles(text)) return -1;  // -1: not added to the corpus
    FreshErrors();
    EnterScratchFolder();
    static const bool ready = (WritePicture(), SetClickSoundPlayer(&NoSound), true);
    (void)ready;
    WriteFile(kButtonPath, text);

    Sprite slot;
    Button button;
    const DisplayScale scale;  // 1: the pictures as they are
    button.LoadButton(kButtonPath, &slot, scale);
    Require(button.loaded, "a file that opens loads the button");
    Require(slot.x == button.area.x && slot.y == button.area.y, "the slot sits on the button");
    Require(slot.picture == button.normalImage.get(), "the slot shows the idle look");

    const Button::Area& area = button.area;
    const bool hasArea = area.width > 0 && area.height > 0;
    Require(button.Inside(area.x, area.y) == hasArea, "the top-left pixel is inside");
    Require(!button.Inside(area.x + area.width, area.y), "the right edge is outside");
    Require(!button.Inside(area.x, area.y + area.height), "the bottom edge is outside");

    // A press and release at the corner clicks exactly when the corner is inside.
    button.HandleEvent(PointerEvent(SDL_MOUSEMOTION, area.x, area.y, false));
    button.HandleEvent(PointerEvent(SDL_MOUSEBUTTONDOWN, area.x, area.y, true));
    const bool clicked = button.HandleEvent(PointerEvent(SDL_MOUSEBUTTONUP, area.x, area.y, false));
    const bool reachable = area.x >= 0 && area.y >= 0;  // SDL positions are unsigned
    Require(clicked == (hasArea && reachable), "a click inside completes, one outside does not");
    // SDL only ever delivers its own key codes.
    if (button.hotKey > SDLK_UNKNOWN && button.hotKey < SDLK_LAST) {
        button.HandleEvent(KeyEvent(SDL_KEYDOWN, button.hotKey));
        Require(button.HandleEvent(KeyEvent(SDL_KEYUP, button.hotKey)), "the hot key clicks");
    }
    button.SetToggled(true);
    button.Hide();
    Require(!button.HandleEvent(PointerEvent(SDL_MOUSEBUTTONUP, area.x, area.y, false)),
            "a hidden button never clicks");
    Require(slot.picture == nullptr, "a hidden button shows nothing");
    button.FreeImages();
    return 0;
}
