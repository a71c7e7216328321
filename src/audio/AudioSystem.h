#pragma once
// The audio device, menu music, the in-game playlist and the two volumes.
#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "audio/MixerDevice.h"
#include "audio/MixerResources.h"

namespace qv {

struct AudioSystem {
    // Declared before music so the music is freed while the device is still open.
    std::unique_ptr<MixerDevice> device;  // empty when the device failed to open
    MusicPtr music;                       // the stream last opened; empty after a failed open
    std::vector<std::string> playlist;    // in-game music paths, shuffled
    uint32_t trackIndex = 0;              // playlist entry last started by KeepMusicPlaying
    // Music files already reported as unplayable: each is reported once per run, not on
    // every pass of a screen that keeps retrying the playlist.
    std::set<std::string> reportedMusicFailures;
};

// The process-wide record; empty until StartAudio.
AudioSystem& Audio();

// Opens the device, loads the sound effects and reads the playlist; always returns normally.
void StartAudio();
// Frees the effects, the music and the device; the shell calls it before SDL_Quit.
void ShutdownAudio();

// Replaces the current music by the file at path and plays it once, at the music volume
// (also when that is 0). A file that can't be opened leaves no music and is reported.
void PlayMusic(const std::string& path);
void PlayMenuMusic();
void StopMusic();
// Called at the start of every pass of the play screen and the editor: when the music has
// ended, starts the next playlist track that can be opened. The end of a piece wakes the loop
// for that pass (MixerDevice).
void KeepMusicPlaying();

// The menu's switches (0.0 off, up to 1.0): store the setting and save the progress file.
// Switching music on again restarts the current stream from its beginning. With both off the
// device is paused.
void SetMusicVolume(float volume);
void SetSoundVolume(float volume);

}  // namespace qv
