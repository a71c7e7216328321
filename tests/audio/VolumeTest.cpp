#include <gtest/gtest.h>

#include <SDL_mixer.h>

#include <cmath>

#include "audio/Volume.h"

using namespace qv;

TEST(MixerVolume, KeepsTheEndsOfTheScale) {
    EXPECT_EQ(MixerVolume(0), 0);
    EXPECT_EQ(MixerVolume(255), MIX_MAX_VOLUME);
    // The quietest settings must stay audible, not round down to "off".
    EXPECT_EQ(MixerVolume(1), 1);
    EXPECT_EQ(MixerVolume(2), 1);
    EXPECT_EQ(MixerVolume(254), 127);
}

TEST(MixerVolume, MapsTheDefaultsToAboutTheirShare) {
    EXPECT_EQ(MixerVolume(128), 64);  // sound default, about half
    EXPECT_EQ(MixerVolume(64), 32);   // music default, about a quarter
    EXPECT_EQ(MixerVolume(127), 64);  // music switched back on
}

TEST(MixerVolume, ClampsSettingsOutsideTheScale) {
    EXPECT_EQ(MixerVolume(-20), 0);
    EXPECT_EQ(MixerVolume(1000), MIX_MAX_VOLUME);
}

TEST(VolumeSetting, TruncatesSwitchPositions) {
    EXPECT_EQ(VolumeSetting(0.0f), 0);
    EXPECT_EQ(VolumeSetting(0.5f), 127);
    EXPECT_EQ(VolumeSetting(1.0f), 255);
    EXPECT_EQ(VolumeSetting(-0.5f), 0);
    EXPECT_EQ(VolumeSetting(3.0f), 255);
    EXPECT_EQ(VolumeSetting(std::nanf("")), 0);
}
