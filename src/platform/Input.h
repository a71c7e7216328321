#pragma once
// Pointer and keyboard state as the screens read it. SDL's own state does not follow pushed
// events, so tests can replace the source through InputSource.
#include <SDL.h>

#include <cstdint>

namespace qv {

// Left, middle and right buttons as SDL_BUTTON masks; x and y in display pixels.
Uint8 PointerState(int* x, int* y);
// Moves the system pointer (SDL reports it as a motion event of its own).
void WarpPointer(Uint16 x, Uint16 y);
// Modifiers held now, with Num Lock and Caps Lock masked out.
SDLMod HeldModifiers();
// Masks Num Lock and Caps Lock out of a key event's modifiers.
SDLMod WithoutLocks(SDLMod mod);
#ifdef __EMSCRIPTEN__
// Emscripten's SDL keeps a key event's modifiers as a plain Uint16.
inline SDLMod WithoutLocks(Uint16 mod) { return WithoutLocks(static_cast<SDLMod>(mod)); }
#endif

// A key as the game's files write it (SDL 1.2's key numbers, as in the .button files) in the
// numbers this platform's key events carry.
int32_t KeyFromFile(int32_t fileKey);

class InputSource {
public:
    virtual ~InputSource() = default;
    virtual Uint8 PointerState(int* x, int* y) = 0;
    virtual void WarpPointer(Uint16 x, Uint16 y) = 0;
    virtual SDLMod Modifiers() = 0;
};

// Installs a source (nullptr: SDL itself) and returns the previous one.
InputSource* SetInputSource(InputSource* source);

}  // namespace qv
