// Compiled into every test program: whatever way the tests are started (ctest, by hand, a
// debugger), they never open a real window, need a sound card, block on an error dialog or
// reach the desktop's clipboard, and they can find the repository and the build folder.
#include <cstdlib>

namespace {

struct TestEnvironment {
    TestEnvironment() {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        setenv("QUORVELLAN_NO_DIALOGS", "1", 0);
        setenv("QV_SOURCE_DIR", QV_SOURCE_DIR, 0);
        setenv("QV_BINARY_DIR", QV_BINARY_DIR, 0);
        unsetenv("DISPLAY");
    }
};

const TestEnvironment environment;

}  // namespace
