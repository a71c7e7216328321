#include "platform/PageNote.h"

namespace qv {

// A window has no page around it: its keys are on the keyboard.
void NotePage(const PageNote&) {}

}  // namespace qv
