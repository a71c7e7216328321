#pragma once
// The open audio device: SDL_mixer's output with OGG decoding, closed when the owner goes.
#include <memory>

namespace qv {

class MixerDevice {
public:
    // The opened device, or null when there is no usable audio output.
    static std::unique_ptr<MixerDevice> Open();

    ~MixerDevice();
    MixerDevice(const MixerDevice&) = delete;
    MixerDevice& operator=(const MixerDevice&) = delete;

private:
    MixerDevice() = default;
};

}  // namespace qv
