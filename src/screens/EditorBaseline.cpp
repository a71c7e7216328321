#include "screens/EditorBaseline.h"

namespace qv {

Level& EditorBaseline() {
    static Level baseline;
    return baseline;
}

}  // namespace qv
