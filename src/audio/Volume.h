#pragma once
// The two volume scales: the stored settings run 0..255, SDL_mixer's volumes 0..128.
#include <cstdint>

namespace qv {

// A setting as a mixer volume: 0 stays silent, 255 is full, anything audible stays audible.
int MixerVolume(int32_t setting);

// A switch position from 0.0 to 1.0 as a setting, truncated (0.5 gives 127, 1.0 gives 255).
int32_t VolumeSetting(float volume);

}  // namespace qv
