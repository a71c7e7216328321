#pragma once
// Synthetic SDL events for the tests that drive buttons, boxes and screens.
#include <SDL.h>

inline SDL_Event KeyEvent(Uint8 type, SDLKey key, SDLMod mod = KMOD_NONE, Uint16 unicode = 0) {
    SDL_Event event{};
    event.type = type;
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = key;
    event.key.keysym.mod = mod;
    event.key.keysym.unicode = unicode;
    return event;
}

inline SDL_Event MouseButtonEvent(Uint8 type, int x, int y, Uint8 button = SDL_BUTTON_LEFT) {
    SDL_Event event{};
    event.type = type;
    event.button.button = button;
    event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.button.x = static_cast<Uint16>(x);
    event.button.y = static_cast<Uint16>(y);
    return event;
}

inline SDL_Event MotionEvent(int x, int y, Uint8 state) {
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.state = state;
    event.motion.x = static_cast<Uint16>(x);
    event.motion.y = static_cast<Uint16>(y);
    return event;
}

inline SDL_Event QuitEvent() {
    SDL_Event event{};
    event.type = SDL_QUIT;
    return event;
}
