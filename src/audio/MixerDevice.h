#pragma once
// The open audio device: SDL_mixer's output with OGG decoding, closed when the owner goes. While
// it is open, the end of a piece of music wakes the main loop (PostWakeUp with
// kMusicEndedCode), so the playlist moves on without the loop polling.
#include <memory>

namespace qv {

// The code of the SDL_USEREVENT that says a piece of music has ended.
constexpr int kMusicEndedCode = 0x6D75;

class MixerDevice {
public:
    // The opened device, or null when there is no usable audio output.
    static std::unique_ptr<MixerDevice> Open();

    ~MixerDevice();
    MixerDevice(const MixerDevice&) = delete;
    MixerDevice& operator=(const MixerDevice&) = delete;

    // A paused device neither decodes nor mixes: for when nothing may sound.
    void Pause(bool paused);

private:
    MixerDevice() = default;
};

}  // namespace qv
