#include "audio/MixerDevice.h"

#include <SDL_mixer.h>

#include "platform/EventWait.h"

namespace qv {

namespace {
constexpr int kFrequency = 44100;
constexpr int kChannels = 2;
constexpr int kChunkSize = 1024;  // small enough that a click sounds at once

// Runs on the mixer's thread (or within Mix_HaltMusic on the caller's).
void OnMusicFinished() { PostWakeUp(); }
}  // namespace

std::unique_ptr<MixerDevice> MixerDevice::Open() {
    // A missing OGG decoder is not fatal: WAV effects still work and each music file that
    // can't be decoded is reported when it is opened. Mix_Quit is never called: in SDL_mixer
    // 1.2.12 a second Mix_Quit after reopening the device frees memory twice, and the decoder
    // library may as well stay loaded until the process ends.
    Mix_Init(MIX_INIT_OGG);
    if (Mix_OpenAudio(kFrequency, MIX_DEFAULT_FORMAT, kChannels, kChunkSize) < 0) return nullptr;
    Mix_HookMusicFinished(OnMusicFinished);
    return std::unique_ptr<MixerDevice>(new MixerDevice());
}

MixerDevice::~MixerDevice() {
    Mix_HookMusicFinished(nullptr);
    Mix_CloseAudio();
}

void MixerDevice::Pause(bool paused) { SDL_PauseAudio(paused ? 1 : 0); }

}  // namespace qv
