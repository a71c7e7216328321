#include "audio/AudioSystem.h"

#include <SDL_mixer.h>

#include <sstream>

#include "audio/Playlist.h"
#include "audio/Volume.h"
#include "platform/LateFiles.h"
#include "util/ErrorReport.h"
#include "util/RegularFile.h"

namespace qv {

AudioSystem::AudioSystem(Settings& userSettings) : settings(userSettings) {}

MusicPtr AudioSystem::OpenMusic(const std::string& path) const {
    // Without a device every open fails, as the player would expect from a silent game; only a
    // regular file can be music (a FIFO would block the open).
    if (!device || !IsRegularFile(path)) return nullptr;
    return MusicPtr(Mix_LoadMUS(path.c_str()));
}

void AudioSystem::RestDeviceWhenSilent() {
    if (!device) return;
    device->Pause(settings.musicVolume == 0 && settings.soundVolume == 0);
}

void AudioSystem::StartCurrentMusic() {
    Mix_VolumeMusic(MixerVolume(settings.musicVolume));
    Mix_PlayMusic(music.get(), 0);  // 0: play once, the upkeep picks the next track
}

void AudioSystem::Start() {
    device = MixerDevice::Open();
    if (!device) ReportError("Could not open audio device.");
    RestDeviceWhenSilent();
    LoadSounds(sounds, device != nullptr);
    std::istringstream in;
    ReadRegularFile(settings.playlistFile, kMaxTextFileBytes, in);
    playlist = ReadPlaylist(in);
    ShufflePlaylist(playlist);
}

void AudioSystem::Shutdown() {
    sounds = SoundTable();
    music.reset();
    device.reset();
}

void AudioSystem::PlaySound(SoundId id) const { qv::PlaySound(sounds, id, settings.soundVolume); }

void AudioSystem::PlayMusic(const std::string& path) {
    // A piece still to come is fetched only to be heard, and played once it is there.
    awaitedMusic.clear();
    if (device && !MusicAtHand(path)) {
        StopMusic();
        music.reset();
        awaitedMusic = path;
        if (settings.musicVolume > 0) FetchMusic(path);
        return;
    }
    music = OpenMusic(path);
    if (music) {
        StartCurrentMusic();
        return;
    }
    if (reportedMusicFailures.insert(path).second) {
        ReportError("Could not load music " + path + ".");
    }
}

void AudioSystem::PlayMenuMusic() { PlayMusic(settings.menuMusicFile); }

void AudioSystem::StopMusic() {
    awaitedMusic.clear();
    if (music) Mix_HaltMusic();
}

bool AudioSystem::PlayArrivedMusic() {
    if (awaitedMusic.empty()) return false;
    // A copy: playing it clears the member.
    if (MusicAtHand(awaitedMusic)) PlayMusic(std::string(awaitedMusic));
    return true;
}

void AudioSystem::KeepMusicPlaying() {
    if (settings.musicVolume == 0) return;
    if (PlayArrivedMusic()) return;
    if (music && Mix_PlayingMusic()) return;
    // The index moves before use, so the first track of a fresh run is entry 1. Each entry
    // gets one try per pass: a list of unplayable files stays silent instead of spinning.
    const std::size_t count = playlist.size();
    for (std::size_t tries = 0; tries < count; ++tries) {
        trackIndex = static_cast<uint32_t>((trackIndex + 1) % count);
        PlayMusic(playlist[trackIndex]);
        if (music || !awaitedMusic.empty()) return;
    }
}

void AudioSystem::SetMusicVolume(float volume) {
    settings.musicVolume = VolumeSetting(volume);
    if (settings.musicVolume > 0 && !awaitedMusic.empty()) FetchMusic(awaitedMusic);
    if (music) {
        if (settings.musicVolume == 0) {
            Mix_HaltMusic();
        } else {
            StartCurrentMusic();
        }
    }
    RestDeviceWhenSilent();
}

void AudioSystem::SetSoundVolume(float volume) {
    settings.soundVolume = VolumeSetting(volume);
    RestDeviceWhenSilent();
}

}  // namespace qv
