#include "platform/Input.h"

namespace qv {

// The desktop's SDL 1.2 is where the files' numbers come from.
int32_t KeyFromFile(int32_t fileKey) { return fileKey; }

}  // namespace qv
