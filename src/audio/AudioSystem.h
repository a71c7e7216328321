#pragma once
// The audio device, the sound effects, menu music, the in-game playlist and the two volumes,
// which the settings hold.
#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "audio/MixerDevice.h"
#include "audio/MixerResources.h"
#include "audio/Sounds.h"
#include "content/Settings.h"

namespace qv {

class AudioSystem {
public:
    // Silent until Start; plays at the volumes `settings` holds, which the switches change.
    explicit AudioSystem(Settings& settings);
    AudioSystem(const AudioSystem&) = delete;
    AudioSystem& operator=(const AudioSystem&) = delete;

    // Opens the device, loads the sound effects and reads the playlist; always returns normally.
    void Start();
    // Frees the effects, the music and the device; the shell calls it before SDL_Quit.
    void Shutdown();

    // Plays one effect at the sound volume; silent when that is 0 or the effect is missing.
    void PlaySound(SoundId id) const;

    // Replaces the current music by the file at path and plays it once, at the music volume
    // (also when that is 0). A file that can't be opened leaves no music and is reported. A file
    // still to arrive (LateFiles.h) is awaited instead, and fetched only while music is on.
    void PlayMusic(const std::string& path);
    void PlayMenuMusic();
    // Stops the music, and the wait for music still to arrive.
    void StopMusic();
    // Plays the awaited music once it has arrived. True while music is awaited.
    bool PlayArrivedMusic();
    // Called at the start of every pass of the play screen and the editor: when the music has
    // ended, starts the next playlist track that can be opened. The end of a piece wakes the
    // loop for that pass (MixerDevice).
    void KeepMusicPlaying();

    // The menu's switches (0.0 off, up to 1.0): store the setting. Switching music on again
    // restarts the current stream from its beginning. With both off the device is paused.
    void SetMusicVolume(float volume);
    void SetSoundVolume(float volume);

    // Declared before what it plays, so that is freed while the device is still open.
    std::unique_ptr<MixerDevice> device;  // empty when the device failed to open
    SoundTable sounds;
    MusicPtr music;                       // the stream last opened; empty after a failed open
    std::vector<std::string> playlist;    // in-game music paths, shuffled
    uint32_t trackIndex = 0;              // playlist entry last started by KeepMusicPlaying
    // Music files already reported as unplayable: each is reported once per run, not on
    // every pass of a screen that keeps retrying the playlist.
    std::set<std::string> reportedMusicFailures;
    std::string awaitedMusic;  // the music to play once it arrives; empty when none is awaited

private:
    Settings& settings;

    MusicPtr OpenMusic(const std::string& path) const;
    // With music and sound both off nothing can sound: the device rests rather than mixing
    // silence.
    void RestDeviceWhenSilent();
    void StartCurrentMusic();
};

}  // namespace qv
