#include "audio/Volume.h"

#include <SDL_mixer.h>

#include <algorithm>

namespace qv {

namespace {
constexpr int32_t kMaxSetting = 255;
}

int MixerVolume(int32_t setting) {
    if (setting <= 0) return 0;
    if (setting >= kMaxSetting) return MIX_MAX_VOLUME;
    // Rounded to nearest, but never down to 0: a quiet setting must not turn into "off".
    const int scaled = (setting * MIX_MAX_VOLUME + kMaxSetting / 2) / kMaxSetting;
    return std::max(1, scaled);
}

int32_t VolumeSetting(float volume) {
    // Written so that NaN lands on 0 as well.
    if (!(volume > 0.0f)) return 0;
    if (volume >= 1.0f) return kMaxSetting;
    return static_cast<int32_t>(volume * kMaxSetting);
}

}  // namespace qv
