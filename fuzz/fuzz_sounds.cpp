// "./sfx/sounds.txt": five lines, one sound file each. No audio device is open here, so every
// slot fails to load and is reported; the reading and the reports are what is checked.
#include <sys/stat.h>

#include "FuzzSupport.h"
#include "audio/Sounds.h"

using namespace qv;

namespace {

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QuietErrors& errors = FreshErrors();
    EnterScratchFolder();
    static const bool folder = (mkdir("sfx", 0755), true);
    (void)folder;
    WriteFile("./sfx/sounds.txt", AsText(data, size));
    SoundTable sounds;
    LoadSounds(sounds, false);

    const std::string loadError = "Could not load sound ";
    const std::string readError = "Error reading ./sfx/sounds.txt.";
    int loads = 0;
    bool readFailed = false;
    for (std::size_t i = 0; i < errors.boxes.size(); ++i) {
        const QuietErrors::Box& box = errors.boxes[i];
        Require(box.title == "Error", "sound list boxes are plain errors");
        if (box.text == readError) {
            readFailed = true;
            continue;
        }
        Require(StartsWith(box.text, loadError), "a box is a read or a load error");
        // The name between the prefix and the full stop is one line of at most 99 characters.
        const std::size_t nameLength = box.text.size() - loadError.size() - 1;
        Require(nameLength <= kMaxSoundPathLength, "a sound name fits its line limit");
        // Once the list has failed, every later slot reports the read error before its load.
        if (readFailed && loads < kSoundCount - 1 && i + 1 < errors.boxes.size()) {
            Require(errors.boxes[i + 1].text == readError, "a failed list stays failed");
        }
        ++loads;
    }
    Require(loads == kSoundCount, "every slot without a device is reported once");
    for (const auto& slot : sounds) Require(!slot, "no effect without a device");
    return 0;
}
