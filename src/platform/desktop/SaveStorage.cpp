#include "platform/SaveStorage.h"

namespace qv {

// The game folder is the storage: ReplaceFile's rename is all a save needs.
void OpenSaveStorage() {}

}  // namespace qv
