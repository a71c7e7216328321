#pragma once
// Shared set-up for the audio tests: a fresh working folder, recorded error boxes, and an audio
// system of its own with an open (dummy) device and settings of its own.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "audio/AudioSystem.h"
#include "content/Settings.h"
#include "support/ErrorRecorder.h"
#include "support/TempDir.h"

using namespace qv;

// Writes a short mono 16-bit PCM WAV file that SDL_mixer can load as an effect or as music.
void WriteSilentWav(const TempDir& dir, const std::string& relative, int milliseconds);

class AudioTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The texts of the recorded boxes, in order (every audio box has the title "Error").
    std::vector<std::string> BoxTexts() const;

    TempDir dir;
    ErrorRecorder recorder;
    Settings settings;
    AudioSystem audio{settings};
};
