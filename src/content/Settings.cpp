#include "content/Settings.h"

#include <sstream>

#include "content/ProgressRecord.h"
#include "util/RegularFile.h"

namespace qv {

namespace {

constexpr const char* kAudioFile = "./config/audio.config";
constexpr const char* kVideoFile = "./config/video.config";

// Reads at most `maxBytes` of `path` and hands them to `read`; a file that can't be opened
// reads as a failure.
template <typename Reader>
bool LoadFile(const char* path, std::size_t maxBytes, Reader read, Settings& settings) {
    std::istringstream in;
    return ReadRegularFile(path, maxBytes, in) && read(in, settings);
}

}  // namespace

// Each reader fills a copy and stores it only when every item arrived, so a half-read file
// never leaves a mix of old and new values behind.
bool ReadAudioSettings(std::istream& in, Settings& settings) {
    Settings read = settings;
    in >> read.audioValue1 >> read.audioValue2 >> read.menuMusicFile >> read.playlistFile
        >> read.audioWord3;
    if (in.fail()) return false;
    settings = read;
    return true;
}

bool ReadVideoSettings(std::istream& in, Settings& settings) {
    Settings read = settings;
    in >> read.screenWidth >> read.screenHeight >> read.screenBpp;
    if (in.fail()) return false;
    // A negative size or depth can't describe a window; SDL would be handed a nonsense mode.
    if (read.screenWidth < 0 || read.screenHeight < 0 || read.screenBpp < 0) return false;
    settings = read;
    return true;
}

bool ReadUserSettings(std::istream& in, Settings& settings) {
    // Raw bytes: a volume of 9, 10, 13 or 32 is a value, not whitespace to skip.
    char bytes[3];
    in.read(bytes, sizeof bytes);
    if (in.gcount() != static_cast<std::streamsize>(sizeof bytes)) return false;
    settings.musicVolume = static_cast<unsigned char>(bytes[0]);
    settings.soundVolume = static_cast<unsigned char>(bytes[1]);
    settings.fullscreen = static_cast<unsigned char>(bytes[2]) == 1;
    return true;
}

SettingsBytes UserSettingsBytes(const Settings& settings) {
    static_assert(std::tuple_size<SettingsBytes>::value == kProgressSettingsBytes);
    return {static_cast<uint8_t>(settings.musicVolume & 0xFF),
            static_cast<uint8_t>(settings.soundVolume & 0xFF),
            static_cast<uint8_t>(settings.fullscreen ? 1 : 0)};
}

bool LoadAudioSettings(Settings& settings) {
    return LoadFile(kAudioFile, kMaxTextFileBytes, ReadAudioSettings, settings);
}

bool LoadVideoSettings(Settings& settings) {
    return LoadFile(kVideoFile, kMaxTextFileBytes, ReadVideoSettings, settings);
}

bool LoadUserSettings(Settings& settings) {
    return LoadFile(kProgressFilePath, kMaxProgressBytes, ReadUserSettings, settings);
}

}  // namespace qv
