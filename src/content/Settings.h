#pragma once
// The audio, video and user settings read at start-up.
#include <array>
#include <cstdint>
#include <istream>
#include <string>

namespace qv {

struct Settings {
    int32_t audioValue1 = 0;
    int32_t audioValue2 = 0;
    std::string menuMusicFile;
    std::string playlistFile;
    std::string audioWord3;
    int32_t musicVolume = 0;  // 0..255; 0 is music off
    int32_t soundVolume = 0;  // 0..255; 0 is silent
    bool fullscreen = false;
    int32_t screenWidth = 0;
    int32_t screenHeight = 0;
    int32_t screenBpp = 0;
};

// Readers for "./config/audio.config", "./config/video.config" and the first three bytes of
// "./progress.save" into `settings`; true when every item was read.
bool LoadAudioSettings(Settings& settings);
bool LoadVideoSettings(Settings& settings);
bool LoadUserSettings(Settings& settings);

// The first three bytes of "./progress.save" as `settings` stands: music and sound volume (their
// low bytes), then 1 for full screen or 0 for a window.
using SettingsBytes = std::array<uint8_t, 3>;
SettingsBytes UserSettingsBytes(const Settings& settings);

// The same readers on any stream, for tests and fuzzing.
bool ReadAudioSettings(std::istream& in, Settings& settings);
bool ReadVideoSettings(std::istream& in, Settings& settings);
bool ReadUserSettings(std::istream& in, Settings& settings);

}  // namespace qv
