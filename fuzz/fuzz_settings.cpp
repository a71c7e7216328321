// The three settings readers on the same bytes: "./config/audio.config",
// "./config/video.config" and the first three bytes of "./progress.save".
#include <cctype>
#include <sstream>

#include "FuzzSupport.h"
#include "content/Settings.h"

using namespace qv;

namespace {

bool SameSettings(const Settings& a, const Settings& b) {
    return a.audioValue1 == b.audioValue1 && a.audioValue2 == b.audioValue2 &&
           a.menuMusicFile == b.menuMusicFile && a.playlistFile == b.playlistFile &&
           a.audioWord3 == b.audioWord3 && a.musicVolume == b.musicVolume &&
           a.soundVolume == b.soundVolume && a.fullscreen == b.fullscreen &&
           a.screenWidth == b.screenWidth && a.screenHeight == b.screenHeight &&
           a.screenBpp == b.screenBpp;
}

bool IsWord(const std::string& word) {
    if (word.empty()) return false;
    for (unsigned char c : word) {
        if (std::isspace(c)) return false;
    }
    return true;
}

// A reader that fails must leave the settings as they were.
template <typename Reader>
bool ReadOrKeep(Reader read, const std::string& text, Settings& settings) {
    const Settings before = settings;
    std::istringstream in(text);
    const bool ok = read(in, settings);
    if (!ok) Require(SameSettings(settings, before), "a failed read changes nothing");
    return ok;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FreshErrors();
    const std::string text = AsText(data, size);
    Settings settings;
    settings.musicVolume = 64;
    settings.soundVolume = 128;

    if (ReadOrKeep(ReadAudioSettings, text, settings)) {
        Require(IsWord(settings.menuMusicFile) && IsWord(settings.playlistFile) &&
                    IsWord(settings.audioWord3),
                "the audio file names are words");
    }
    if (ReadOrKeep(ReadVideoSettings, text, settings)) {
        Require(settings.screenWidth >= 0 && settings.screenHeight >= 0 && settings.screenBpp >= 0,
                "a video mode is never negative");
    }
    if (ReadOrKeep(ReadUserSettings, text, settings)) {
        Require(size >= 3, "the user settings need three bytes");
        Require(settings.musicVolume == data[0] && settings.soundVolume == data[1] &&
                    settings.fullscreen == (data[2] == 1),
                "the user settings are the first three bytes, unchanged");
    }
    return 0;
}
