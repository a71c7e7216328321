#pragma once
// A pointer and keyboard the test sets by hand: SDL's own state does not follow pushed events.
// Warps are recorded and move the pointer, as the system's would.
#include <SDL.h>

#include <utility>
#include <vector>

#include "platform/Input.h"

using namespace qv;

class FakeInput : public InputSource {
public:
    int x = 0;
    int y = 0;
    Uint8 buttons = 0;
    SDLMod mod = KMOD_NONE;
    std::vector<std::pair<int, int>> warps;

    Uint8 PointerState(int* px, int* py) override {
        if (px) *px = x;
        if (py) *py = y;
        return buttons;
    }
    void WarpPointer(Uint16 wx, Uint16 wy) override {
        warps.emplace_back(wx, wy);
        x = wx;
        y = wy;
    }
    SDLMod Modifiers() override { return mod; }
};
