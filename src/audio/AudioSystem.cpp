#include "audio/AudioSystem.h"

#include <SDL_mixer.h>

#include <sstream>

#include "audio/Playlist.h"
#include "audio/Sounds.h"
#include "audio/Volume.h"
#include "content/LevelLibrary.h"
#include "content/Settings.h"
#include "util/ErrorReport.h"
#include "util/RegularFile.h"

namespace qv {

namespace {

MusicPtr OpenMusic(const std::string& path) {
    // Without a device every open fails, as the player would expect from a silent game; only a
    // regular file can be music (a FIFO would block the open).
    if (!Audio().device || !IsRegularFile(path)) return nullptr;
    return MusicPtr(Mix_LoadMUS(path.c_str()));
}

// With music and sound both off nothing can sound: the device rests rather than mixing
// silence.
void RestDeviceWhenSilent() {
    const Settings& settings = TheSettings();
    if (!Audio().device) return;
    Audio().device->Pause(settings.musicVolume == 0 && settings.soundVolume == 0);
}

void StartCurrentMusic() {
    Mix_VolumeMusic(MixerVolume(TheSettings().musicVolume));
    Mix_PlayMusic(Audio().music.get(), 0);  // 0: play once, the upkeep picks the next track
}

}  // namespace

AudioSystem& Audio() {
    static AudioSystem audio;
    return audio;
}

void StartAudio() {
    AudioSystem& audio = Audio();
    audio.device = MixerDevice::Open();
    if (!audio.device) ReportError("Could not open audio device.");
    RestDeviceWhenSilent();
    LoadSounds();
    std::istringstream in;
    ReadRegularFile(TheSettings().playlistFile, kMaxTextFileBytes, in);
    audio.playlist = ReadPlaylist(in);
    ShufflePlaylist(audio.playlist);
}

void ShutdownAudio() {
    FreeAllSounds();
    Audio().music.reset();
    Audio().device.reset();
}

void PlayMusic(const std::string& path) {
    AudioSystem& audio = Audio();
    audio.music = OpenMusic(path);
    if (audio.music) {
        StartCurrentMusic();
        return;
    }
    if (audio.reportedMusicFailures.insert(path).second) {
        ReportError("Could not load music " + path + ".");
    }
}

void PlayMenuMusic() { PlayMusic(TheSettings().menuMusicFile); }

void StopMusic() {
    if (Audio().music) Mix_HaltMusic();
}

void KeepMusicPlaying() {
    AudioSystem& audio = Audio();
    if (TheSettings().musicVolume == 0) return;
    if (audio.music && Mix_PlayingMusic()) return;
    // The index moves before use, so the first track of a fresh run is entry 1. Each entry
    // gets one try per pass: a list of unplayable files stays silent instead of spinning.
    const std::size_t count = audio.playlist.size();
    for (std::size_t tries = 0; tries < count; ++tries) {
        audio.trackIndex = static_cast<uint32_t>((audio.trackIndex + 1) % count);
        PlayMusic(audio.playlist[audio.trackIndex]);
        if (audio.music) return;
    }
}

void SetMusicVolume(float volume) {
    Settings& settings = TheSettings();
    settings.musicVolume = VolumeSetting(volume);
    if (Audio().music) {
        if (settings.musicVolume == 0) {
            Mix_HaltMusic();
        } else {
            StartCurrentMusic();
        }
    }
    RestDeviceWhenSilent();
    Library().SaveProgress();
}

void SetSoundVolume(float volume) {
    TheSettings().soundVolume = VolumeSetting(volume);
    RestDeviceWhenSilent();
    Library().SaveProgress();
}

}  // namespace qv
