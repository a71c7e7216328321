#include "platform/Device.h"

#include <emscripten.h>

namespace qv {

namespace {

// The browser's own answer to "is the main pointer a finger": coarse on phones and tablets,
// fine with a mouse or touchpad, whatever else the machine has.
EM_JS(int, PointerIsCoarse, (), {
    return window.matchMedia && window.matchMedia("(pointer: coarse)").matches ? 1 : 0;
});

}  // namespace

DeviceTraits ThisDevice() {
    DeviceTraits device;
    device.canQuit = false;
    device.touchFirst = PointerIsCoarse() != 0;
    return device;
}

}  // namespace qv
