#include "platform/Input.h"

namespace qv {

// Emscripten's SDL numbers keys as SDL 2 does: characters keep their codes, but the keys SDL 1.2
// numbered from 256 up (keypad, arrows, F keys) carry other numbers.
int32_t KeyFromFile(int32_t fileKey) {
    static constexpr int32_t kFrom256[] = {
        SDLK_KP_0, SDLK_KP_1, SDLK_KP_2, SDLK_KP_3, SDLK_KP_4, SDLK_KP_5, SDLK_KP_6,
        SDLK_KP_7, SDLK_KP_8, SDLK_KP_9, SDLK_KP_PERIOD, SDLK_KP_DIVIDE, SDLK_KP_MULTIPLY,
        SDLK_KP_MINUS, SDLK_KP_PLUS, SDLK_KP_ENTER, SDLK_KP_EQUALS,
        SDLK_UP, SDLK_DOWN, SDLK_RIGHT, SDLK_LEFT, SDLK_INSERT, SDLK_HOME, SDLK_END,
        SDLK_PAGEUP, SDLK_PAGEDOWN,
        SDLK_F1, SDLK_F2, SDLK_F3, SDLK_F4, SDLK_F5, SDLK_F6, SDLK_F7, SDLK_F8, SDLK_F9,
        SDLK_F10, SDLK_F11, SDLK_F12, SDLK_F13, SDLK_F14, SDLK_F15};
    constexpr int32_t kCount = static_cast<int32_t>(sizeof(kFrom256) / sizeof(kFrom256[0]));
    if (fileKey >= 256 && fileKey < 256 + kCount) return kFrom256[fileKey - 256];
    return fileKey;
}

}  // namespace qv
