#include "platform/Input.h"

namespace qv {

namespace {

class SdlInput : public InputSource {
public:
    Uint8 PointerState(int* x, int* y) override { return SDL_GetMouseState(x, y); }
    void WarpPointer(Uint16 x, Uint16 y) override { SDL_WarpMouse(x, y); }
    SDLMod Modifiers() override { return SDL_GetModState(); }
};

SdlInput sdlInput;
InputSource* current = &sdlInput;

}  // namespace

InputSource* SetInputSource(InputSource* source) {
    InputSource* previous = current;
    current = source ? source : &sdlInput;
    return previous;
}

Uint8 PointerState(int* x, int* y) { return current->PointerState(x, y); }

void WarpPointer(Uint16 x, Uint16 y) { current->WarpPointer(x, y); }

SDLMod WithoutLocks(SDLMod mod) { return static_cast<SDLMod>(mod & ~(KMOD_NUM | KMOD_CAPS)); }

SDLMod HeldModifiers() { return WithoutLocks(current->Modifiers()); }

}  // namespace qv
