#include "platform/Device.h"

namespace qv {

// A window on a desktop: closed by Quit, pointed at with a mouse.
DeviceTraits ThisDevice() { return {}; }

}  // namespace qv
