#pragma once
// The open audio device: SDL_mixer's output with OGG decoding, closed when the owner goes. While
// it is open, the end of a piece of music wakes the main loop (PostWakeUp), so the playlist
// moves on without the loop polling.
#include <memory>

namespace qv {

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
