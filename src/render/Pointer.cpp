#include "render/Pointer.h"

#include <algorithm>

#include "platform/Input.h"

namespace qv {

Uint8 LogicalPointerState(const DisplayScale& scale, int* x, int* y) {
    int px = 0;
    int py = 0;
    const Uint8 buttons = PointerState(&px, &py);
    scale.ToLogical(px, py, x, y);
    return buttons;
}

void WarpPointerTo(const DisplayScale& scale, int x, int y) {
    int px = 0;
    int py = 0;
    scale.ToDisplay(x, y, &px, &py);
    const PixelSize display = scale.Display();
    WarpPointer(static_cast<Uint16>(std::clamp(px, 0, std::max(display.width - 1, 0))),
                static_cast<Uint16>(std::clamp(py, 0, std::max(display.height - 1, 0))));
}

}  // namespace qv
